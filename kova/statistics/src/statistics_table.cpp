// The table of program A's statistics. A new statistic is a row here (and,
// for one that is not a count of class words, its count and report
// functions); the window, kova-cli and the page take it from this table.
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "kova/class_words.h"
#include "kova/statistics.h"

namespace kova {

namespace {

LabelledCounts CountNumbersOf(const Statistic&, std::string_view text,
                              const StatisticSettings& settings) {
    static const YearTables kBuiltIn;
    const NumberCounts counts =
        CountNumbers(text, settings.year, settings.tables ? *settings.tables : kBuiltIn);
    LabelledCounts labelled;
    labelled.numbers = true;
    for (int number = kFirstNumber; number <= kLastNumber; ++number) {
        labelled.labels.push_back(NumberText(number));
        labelled.counts.push_back(counts[static_cast<std::size_t>(number)]);
    }
    return labelled;
}

ReportLines WriteNumberReportOf(const Statistic&, std::span<const Tally> counts,
                                const StatisticSettings& settings) {
    if (counts.size() != kLastNumber) {
        throw std::invalid_argument("one count per number");
    }
    NumberCounts by_number{};
    std::copy(counts.begin(), counts.end(), by_number.begin() + kFirstNumber);
    return WriteNumberReport(by_number, settings.arrangement);
}

// The attribute statistics count class words: only their class, title and
// rules differ.
constexpr Statistic ClassWordStatistic(std::string_view name, std::u16string_view caption,
                                       std::string_view tool_name, std::u16string_view title,
                                       ClassWordRules rules) {
    return {name, caption, tool_name, title, rules, CountClassWords, WriteClassWordReport};
}

const std::array<Statistic, 11> kStatistics = {{
    // 码统计: every number 01..49, named as a number or through a word that
    // stands for it in the chosen year.
    {"NumberStatistics",
     u" 码统计 ",
     "number",
     u"",
     {},
     CountNumbersOf,
     WriteNumberReportOf,
     /*reads_year=*/true},
    // The marks 九, 号 and ： go first, so 九：牛 counts 牛 once, not twice.
    ClassWordStatistic("ZodiacStatistics", u"肖统计", "zodiac", u" 生肖统计结果：",
                       {.words = ZodiacNames, .removes_marks = true}),
    ClassWordStatistic("HeadStatistics", u"头统计", "head", u" 头数统计结果：",
                       {.words = HeadNames}),
    ClassWordStatistic("TailStatistics", u"尾统计", "tail", u" 尾数统计结果：",
                       {.words = TailNames}),
    ClassWordStatistic("ElementStatistics", u"行统计", "element", u" 行数统计结果：",
                       {.words = ElementNames}),
    // 11合 counts once as 11合 (not as 1合); the thirteen words need a
    // continuation line.
    ClassWordStatistic("DigitSumStatistics", u"合统计", "digitsum", u" 合数统计结果：",
                       {.words = DigitSumNames, .reads_teen_sums = true, .wraps_long_lines = true}),
    // Only 蓝 counts as blue: 兰 is no word of the class.
    ClassWordStatistic("WaveStatistics", u"波 色", "wave", u" 波色统计结果：",
                       {.words = WaveNames}),
    // 合大 and 合小 do not count.
    ClassWordStatistic("BigSmallStatistics", u"大 小", "bigsmall", u" 大小统计结果：",
                       {.words = BigSmallNames, .skips_after_sum = true}),
    // 合单 and 合双 do not count.
    ClassWordStatistic("OddEvenStatistics", u"单 双", "oddeven", u" 单双统计结果：",
                       {.words = OddEvenNames, .skips_after_sum = true}),
    ClassWordStatistic("SumOddEvenStatistics", u"合单双", "sumoddeven", u" 合单双统计结果：",
                       {.words = SumOddEvenNames}),
    ClassWordStatistic("SegmentStatistics", u"段 数", "segment", u" 段数统计结果：",
                       {.words = SegmentNames}),
}};

}  // namespace

std::span<const Statistic> Statistics() {
    return kStatistics;
}

const Statistic& StatisticNamed(std::string_view name) {
    const auto found = std::find_if(kStatistics.begin(), kStatistics.end(),
                                    [name](const Statistic& s) { return s.name == name; });
    if (found == kStatistics.end()) {
        throw std::out_of_range("no statistic " + std::string(name));
    }
    return *found;
}

StatisticResult RunStatistic(const Statistic& statistic, std::string_view text,
                             const StatisticSettings& settings) {
    StatisticResult result{statistic.count(statistic, text, settings), {}};
    result.report = statistic.report(statistic, result.counts.counts, settings);
    return result;
}

ReportLines Report(const Statistic& statistic, std::string_view text,
                   const StatisticSettings& settings) {
    return RunStatistic(statistic, text, settings).report;
}

}  // namespace kova
