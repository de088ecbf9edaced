// The report layout that all statistics of program A share: the items
// grouped by count from the least named to the most named, each group
// starting a new line with its header, every item followed by ",".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kova/statistics.h"

namespace kova::detail {

struct CountedItem {
    std::string text;  // as the report writes it, without the comma
    Tally count;
};

struct GroupLayout {
    std::string_view header_before_count;  // 共 / 【共
    std::string_view header_after_count;   // 次： / 次】：
    // An item whose line is already longer than this starts a continuation
    // line holding the indent; 0 keeps each group on one line.
    std::size_t longest_line = 0;
    std::string_view continuation_indent;
};

// A count as the group headers write it: at least two digits ("00", "07",
// "12", "105").
std::string TwoDigitCount(Tally count);

// Appends the groups to lines. items are in class order, which is kept among
// equal counts.
void WriteGroups(std::vector<CountedItem> items, const GroupLayout& layout, ReportLines& lines);

}  // namespace kova::detail
