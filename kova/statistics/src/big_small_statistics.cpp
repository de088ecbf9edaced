// 大 小: how often 大 and 小 are named; 合大 and 合小 do not count.
#include "attribute_statistics.h"
#include "kova/tables.h"

namespace kova {

namespace detail {

extern constexpr AttributeRules kBigSmall{
    .words = BigSmallNames,
    .title = " \xB4\xF3\xD0\xA1\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA" /* " 大小统计结果：" */,
    .skips_after_sum = true,
};

}  // namespace detail

ReportLines BigSmallStatistics(std::string_view text) {
    return detail::AttributeStatistics(text, detail::kBigSmall);
}

}  // namespace kova
