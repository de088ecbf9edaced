// 头统计: how often each head 0头..4头 is named.
#include "attribute_statistics.h"
#include "kova/tables.h"

namespace kova {

namespace detail {

extern constexpr AttributeRules kHead{
    .words = HeadNames,
    .title = " \xCD\xB7\xCA\xFD\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA" /* " 头数统计结果：" */,
};

}  // namespace detail

ReportLines HeadStatistics(std::string_view text) {
    return detail::AttributeStatistics(text, detail::kHead);
}

}  // namespace kova
