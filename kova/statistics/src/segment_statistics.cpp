// 段 数: how often each segment 一段..七段 is named.
#include "attribute_statistics.h"
#include "kova/tables.h"

namespace kova {

namespace detail {

extern constexpr AttributeRules kSegment{
    .words = SegmentNames,
    .title = " \xB6\xCE\xCA\xFD\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA" /* " 段数统计结果：" */,
};

}  // namespace detail

ReportLines SegmentStatistics(std::string_view text) {
    return detail::AttributeStatistics(text, detail::kSegment);
}

}  // namespace kova
