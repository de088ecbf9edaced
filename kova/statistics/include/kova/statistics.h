// Program A's statistics: the number statistics and the ten attribute
// statistics. Every routine takes the whole text of the input box as code
// page 936 bytes and returns the lines of its report (code page 936, without
// line ends); the output box shows each line followed by CR LF.
//
// Each statistic is a count followed by its report writer; both halves are
// reachable on their own, so that a caller can give the counts in another
// form and still know they are the ones the report shows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kova/number_set.h"
#include "kova/year_tables.h"

namespace kova {

using ReportLines = std::vector<std::string>;
using Tally = std::int64_t;

// How often the text names each number, by number (slot 0 unused).
using NumberCounts = std::array<Tally, kLastNumber + 1>;

// The two report layouts of the number statistics: 排列方式1 wraps long
// groups onto continuation lines, 排列方式2 keeps each group on one line.
enum class Arrangement { kWrapped = 1, kOneLine = 2 };

// 码统计. year is 2003..2010 (the tables cover no other; std::out_of_range).
ReportLines NumberStatistics(std::string_view text, int year, Arrangement arrangement);
// 码统计 with the tables of a year-tables file in force beside the built-in
// ones: year is tables.FirstYear()..tables.LastYear().
ReportLines NumberStatistics(std::string_view text, int year, Arrangement arrangement,
                             const YearTables& tables);

// The counts of 码统计 and its report.
NumberCounts CountNumbers(std::string_view text, int year, const YearTables& tables);
ReportLines WriteNumberReport(const NumberCounts& counts, Arrangement arrangement);
// A number as the report writes it: two digits, "05".
std::string NumberText(int number);

// The ten attribute statistics, in the order of their buttons.
enum class AttributeStatistic {
    kZodiac,      // 肖统计
    kHead,        // 头统计
    kTail,        // 尾统计
    kElement,     // 行统计
    kDigitSum,    // 合统计
    kWave,        // 波 色
    kBigSmall,    // 大 小
    kOddEven,     // 单 双
    kSumOddEven,  // 合单双
    kSegment,     // 段 数
};
inline constexpr std::size_t kAttributeStatisticCount = 10;

// A statistic's class words in list order (code page 936), the order of
// its counts.
std::span<const std::string_view> ClassWordsOf(AttributeStatistic statistic);
// How often each class word is named, in list order.
std::vector<Tally> CountClassWords(AttributeStatistic statistic, std::string_view text);
// The report of such counts (one per class word; std::invalid_argument
// otherwise).
ReportLines WriteAttributeReport(AttributeStatistic statistic, std::span<const Tally> counts);

// The ten attribute statistics (肖统计, 头统计, ...): count and report.
ReportLines ZodiacStatistics(std::string_view text);
ReportLines HeadStatistics(std::string_view text);
ReportLines TailStatistics(std::string_view text);
ReportLines ElementStatistics(std::string_view text);
ReportLines DigitSumStatistics(std::string_view text);
ReportLines WaveStatistics(std::string_view text);
ReportLines BigSmallStatistics(std::string_view text);
ReportLines OddEvenStatistics(std::string_view text);
ReportLines SumOddEvenStatistics(std::string_view text);
ReportLines SegmentStatistics(std::string_view text);

// The text the output box holds for a report: every line followed by CR LF.
std::string ReportText(const ReportLines& lines);

}  // namespace kova
