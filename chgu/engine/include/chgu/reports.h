// The reports a statistics press writes into the output box Text2. Lines end
// in CR LF and run from the smallest count to the largest.
#pragma once

#include <string>
#include <string_view>

#include "chgu/scan.h"

namespace chgu {

// The number report: for every count that occurs, "共kk次:" and the numbers
// 01..49 with that count, then "（n码）". With long_lines ("长行排列") each count
// takes one line; otherwise the line is cut after 35 characters and then
// every 30, each continuation indented by seven spaces (at most five pieces).
std::u16string WriteNumberReport(const Counts& counts, bool long_lines);

// The heading of an attribute report, such as " 生肖统计结果：".
std::u16string_view HeadingOf(AttributeStatistic statistic);

// The attribute report: the heading, then for every count that occurs
// "【共kk次】：" and the class names with that count, in slot order.
std::u16string WriteAttributeReport(AttributeStatistic statistic, const Counts& counts);

}  // namespace chgu
