// 行统计: how often each of the five elements is named.
#include "attribute_statistics.h"
#include "kova/tables.h"

namespace kova {

namespace detail {

extern constexpr AttributeRules kElement{
    .words = ElementNames,
    .title = " \xD0\xD0\xCA\xFD\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA" /* " 行数统计结果：" */,
};

}  // namespace detail

ReportLines ElementStatistics(std::string_view text) {
    return detail::AttributeStatistics(text, detail::kElement);
}

}  // namespace kova
