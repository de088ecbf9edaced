// 肖统计: how often each of the twelve animals is named.
// The marks 九, 号 and ： go first, so 九：牛 counts 牛 once, not twice.
#include "attribute_statistics.h"
#include "kova/tables.h"

namespace kova {

namespace detail {

extern constexpr AttributeRules kZodiac{
    .words = ZodiacNames,
    .title = " \xC9\xFA\xD0\xA4\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA" /* " 生肖统计结果：" */,
    .removes_marks = true,
};

}  // namespace detail

ReportLines ZodiacStatistics(std::string_view text) {
    return detail::AttributeStatistics(text, detail::kZodiac);
}

}  // namespace kova
