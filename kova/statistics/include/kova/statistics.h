// Program A's statistics: the number statistics and the ten attribute
// statistics. Every routine takes the whole text of the input box as code
// page 936 bytes and returns the lines of its report (code page 936, without
// line ends); the output box shows each line followed by CR LF.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kova/year_tables.h"

namespace kova {

using ReportLines = std::vector<std::string>;

// The two report layouts of the number statistics: 排列方式1 wraps long
// groups onto continuation lines, 排列方式2 keeps each group on one line.
enum class Arrangement { kWrapped = 1, kOneLine = 2 };

// 码统计. year is 2003..2010 (the tables cover no other; std::out_of_range).
ReportLines NumberStatistics(std::string_view text, int year, Arrangement arrangement);
// 码统计 with the tables of a year-tables file in force beside the built-in
// ones: year is tables.FirstYear()..tables.LastYear().
ReportLines NumberStatistics(std::string_view text, int year, Arrangement arrangement,
                             const YearTables& tables);

// The ten attribute statistics (肖统计, 头统计, ...).
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
