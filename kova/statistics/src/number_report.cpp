// The report of 码统计: the numbers grouped by count, from the least named
// to the most named, each line ending in its count of numbers.
#include <algorithm>
#include <string>

#include "grouped_report.h"
#include "kova/statistics.h"
#include "yeartables/numbers.h"

namespace kova {

namespace {

using detail::CountedItem;
using detail::GroupLayout;

// 排列方式1 continues a group on a new line once a line is longer than 36
// bytes. Eight spaces are as wide as a two-digit header (共00次：) in a
// fixed-pitch Chinese font, so continuation lines line up under the first
// number.
constexpr GroupLayout kWrappedLayout{
    .header_before_count = "\xB9\xB2" /* 共 */,
    .header_after_count = "\xB4\xCE\xA3\xBA" /* 次： */,
    .longest_line = 36,
    .continuation_indent = "        ",
};
constexpr GroupLayout kOneLineLayout{
    .header_before_count = kWrappedLayout.header_before_count,
    .header_after_count = kWrappedLayout.header_after_count,
    .longest_line = 0,
    .continuation_indent = "",
};

// Every line ends with "（N码）", N being the numbers (commas) on that line.
std::string LineCountSuffix(const std::string& line) {
    const auto numbers = std::count(line.begin(), line.end(), ',');
    return "\xA3\xA8" /* （ */ + std::to_string(numbers) + "\xC2\xEB\xA3\xA9" /* 码） */;
}

}  // namespace

std::string NumberText(int number) {
    return yeartables::TwoDigitText<char>(number);
}

ReportLines WriteNumberReport(const NumberCounts& counts, Arrangement arrangement) {
    std::vector<CountedItem> items;
    for (int number = kFirstNumber; number <= kLastNumber; ++number) {
        items.push_back({NumberText(number), counts[static_cast<std::size_t>(number)]});
    }
    ReportLines lines;
    detail::WriteGroups(std::move(items),
                        arrangement == Arrangement::kWrapped ? kWrappedLayout : kOneLineLayout,
                        lines);
    for (std::string& line : lines) {
        line += LineCountSuffix(line);
    }
    return lines;
}

}  // namespace kova
