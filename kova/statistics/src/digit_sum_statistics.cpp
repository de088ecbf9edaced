// 合统计: how often each digit sum 1合..13合 is named. 11合 counts once as
// 11合 (not as 1合); the thirteen words need a continuation line.
#include "attribute_statistics.h"
#include "kova/tables.h"

namespace kova {

namespace detail {

extern constexpr AttributeRules kDigitSum{
    .words = DigitSumNames,
    .title = " \xBA\xCF\xCA\xFD\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA" /* " 合数统计结果：" */,
    .reads_teen_sums = true,
    .wraps_long_lines = true,
};

}  // namespace detail

ReportLines DigitSumStatistics(std::string_view text) {
    return detail::AttributeStatistics(text, detail::kDigitSum);
}

}  // namespace kova
