// 波 色: how often each wave colour is named. Only 蓝 is blue here; the
// other spelling 兰, which the number statistics reads as blue, counts nothing.
#include "attribute_statistics.h"
#include "kova/tables.h"

namespace kova {

namespace detail {

extern constexpr AttributeRules kWave{
    .words = WaveNames,
    .title = " \xB2\xA8\xC9\xAB\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA" /* " 波色统计结果：" */,
};

}  // namespace detail

ReportLines WaveStatistics(std::string_view text) {
    return detail::AttributeStatistics(text, detail::kWave);
}

}  // namespace kova
