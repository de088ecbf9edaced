// Generates tip texts for the benchmark: numbers, class words, stop
// characters, count markers, brackets and separators mixed at random with a
// fixed seed, as users paste them from forums and chat windows.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

// Returns UTF-8 text of at least `bytes` bytes (cut at a token boundary).
std::string GenerateTipText(std::size_t bytes, unsigned seed = 2003);

}  // namespace bench
