#include <array>
#include <span>

#include "chgu/reports.h"
#include "report_counts.h"

namespace chgu {

namespace {

// In button order from 肖统计 to 半 波.
constexpr std::array<std::u16string_view, 10> kHeadings = {
    u" 生肖统计结果：",   u" 头数统计结果：", u" 尾数统计结果：", u" 五行统计结果：",
    u" 合数统计结果：",   u" 波色统计结果：", u" 大小统计结果：", u" 单双统计结果：",
    u" 合单双统计结果：", u" 半波统计结果：",
};

}  // namespace

std::u16string_view HeadingOf(AttributeStatistic statistic) {
    return kHeadings[static_cast<std::size_t>(statistic) - 1];
}

std::u16string WriteAttributeReport(AttributeStatistic statistic, const Counts& counts) {
    const AttributeClasses classes = ClassesOf(statistic);
    const std::span<const std::int64_t> slots(counts.data() + classes.first_slot,
                                              classes.words.size());
    std::u16string report(HeadingOf(statistic));
    report += u"\r\n";
    for (const std::int64_t k : detail::OccurringCounts(slots)) {
        report += u"【共";
        detail::AppendCount(report, k);
        report += u"次】：";
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (slots[i] == k) {
                report += classes.words[i];
                report += u',';
            }
        }
        report += u"\r\n";
    }
    return report;
}

}  // namespace chgu
