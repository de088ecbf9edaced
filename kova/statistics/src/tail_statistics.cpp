// 尾统计: how often each tail 0尾..9尾 is named.
#include "attribute_statistics.h"
#include "kova/tables.h"

namespace kova {

namespace detail {

extern constexpr AttributeRules kTail{
    .words = TailNames,
    .title = " \xCE\xB2\xCA\xFD\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA" /* " 尾数统计结果：" */,
};

}  // namespace detail

ReportLines TailStatistics(std::string_view text) {
    return detail::AttributeStatistics(text, detail::kTail);
}

}  // namespace kova
