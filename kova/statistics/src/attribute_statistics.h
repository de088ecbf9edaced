// The engine of the ten attribute statistics. Each statistic counts the
// words of one class list in the text and reports the words grouped by
// count; they differ only in the rules below.
#pragma once

#include <span>
#include <string_view>

#include "kova/statistics.h"

namespace kova::detail {

struct AttributeRules {
    std::span<const std::string_view> words;  // the class word list, index 1 first
    std::string_view title;                   // the report's first line
    // 九, 号 and ： are deleted before the words at a position are tested.
    bool removes_marks = false;
    // A "1" before 1合..3合 counts 11合..13合, which are never matched
    // as words of their own.
    bool reads_teen_sums = false;
    // Report lines longer than 54 bytes continue on a new line.
    bool wraps_long_lines = false;
    // A word right after 合 does not count.
    bool skips_after_sum = false;
};

// The rules of each statistic, defined in the statistic's own module.
extern const AttributeRules kZodiac;
extern const AttributeRules kHead;
extern const AttributeRules kTail;
extern const AttributeRules kElement;
extern const AttributeRules kDigitSum;
extern const AttributeRules kWave;
extern const AttributeRules kBigSmall;
extern const AttributeRules kOddEven;
extern const AttributeRules kSumOddEven;
extern const AttributeRules kSegment;

ReportLines AttributeStatistics(std::string_view text, const AttributeRules& rules);

}  // namespace kova::detail
