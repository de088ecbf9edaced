// The numbers written with digits, the first rule of the number statistics.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kova::detail {

// For each of the length positions from here on, the number (1..49) that a
// digit there completes, or 0. Reads here[-1] .. here[length].
void FindWrittenNumbers(const unsigned char* here, std::size_t length, std::uint8_t* numbers);

// Whether a digit followed by this byte ends a number (see the source).
bool EndsNumber(unsigned char next);

}  // namespace kova::detail
