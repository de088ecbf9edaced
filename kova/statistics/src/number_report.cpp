// The report of 码统计: the numbers grouped by count, from the least named
// to the most named, each line ending in its count of numbers.
#include <algorithm>
#include <string>

#include "grouped_report.h"
#include "kova/statistics.h"
#include "platform/codepage.h"
#include "yeartables/numbers.h"

namespace kova {

namespace {

using detail::CountedItem;
using detail::GroupLayout;

// The group headers 共00次： and each line's ending （N码）. 排列方式1
// continues a group on a new line once a line is longer than 36 bytes.
// Eight spaces are as wide as a two-digit header in a fixed-pitch Chinese
// font, so continuation lines line up under the first number.
struct NumberReportTexts {
    std::string before_count = platform::Utf16ToGbk(u"共");
    std::string after_count = platform::Utf16ToGbk(u"次：");
    std::string before_line_count = platform::Utf16ToGbk(u"（");
    std::string after_line_count = platform::Utf16ToGbk(u"码）");

    GroupLayout Layout(Arrangement arrangement) const {
        const bool wrapped = arrangement == Arrangement::kWrapped;
        return {
            .header_before_count = before_count,
            .header_after_count = after_count,
            .longest_line = wrapped ? std::size_t{36} : 0,
            .continuation_indent = wrapped ? "        " : "",
        };
    }
    // Every line ends with "（N码）", N being the numbers (commas) on that line.
    std::string LineCountSuffix(const std::string& line) const {
        const auto numbers = std::count(line.begin(), line.end(), ',');
        return before_line_count + std::to_string(numbers) + after_line_count;
    }
};

}  // namespace

std::string NumberText(int number) {
    return yeartables::TwoDigitText<char>(number);
}

ReportLines WriteNumberReport(const NumberCounts& counts, Arrangement arrangement) {
    std::vector<CountedItem> items;
    for (int number = kFirstNumber; number <= kLastNumber; ++number) {
        items.push_back({NumberText(number), counts[static_cast<std::size_t>(number)]});
    }
    static const NumberReportTexts kTexts;
    ReportLines lines;
    detail::WriteGroups(std::move(items), kTexts.Layout(arrangement), lines);
    for (std::string& line : lines) {
        line += kTexts.LineCountSuffix(line);
    }
    return lines;
}

}  // namespace kova
