// The counts behind a statistics report, for the picture the page draws
// beside it: {numbers, labels, counts}. numbers is true for a number report
// (labels "01".."49"), false for an attribute report (its class words in
// the order of the class list).
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace web {

// counts[n] for the numbers n = 1..49 (counts[0] unused).
emscripten::val NumberPicture(std::span<const std::int64_t> counts);
emscripten::val ClassPicture(const std::vector<std::u16string>& labels,
                             std::span<const std::int64_t> counts);

}  // namespace web
