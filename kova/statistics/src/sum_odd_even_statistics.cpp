// 合单双: how often 合单 and 合双 are named.
#include "attribute_statistics.h"
#include "kova/tables.h"

namespace kova {

namespace detail {

extern constexpr AttributeRules kSumOddEven{
    .words = SumOddEvenNames,
    .title =
        " \xBA\xCF\xB5\xA5\xCB\xAB\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA" /* " 合单双统计结果："
                                                                             */
    ,
};

}  // namespace detail

ReportLines SumOddEvenStatistics(std::string_view text) {
    return detail::AttributeStatistics(text, detail::kSumOddEven);
}

}  // namespace kova
