// 单 双: how often 单 and 双 are named; 合单 and 合双 belong to 合单双.
#include "attribute_statistics.h"
#include "kova/tables.h"

namespace kova {

namespace detail {

extern constexpr AttributeRules kOddEven{
    .words = OddEvenNames,
    .title = " \xB5\xA5\xCB\xAB\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA" /* " 单双统计结果：" */,
    .skips_after_sum = true,
};

}  // namespace detail

ReportLines OddEvenStatistics(std::string_view text) {
    return detail::AttributeStatistics(text, detail::kOddEven);
}

}  // namespace kova
