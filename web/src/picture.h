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

// A picture of counts under their labels, as a statistics press gave them.
emscripten::val LabelledPicture(bool numbers, const std::vector<std::u16string>& labels,
                                std::span<const std::int64_t> counts);

}  // namespace web
