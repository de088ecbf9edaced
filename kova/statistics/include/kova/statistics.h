// Program A's statistics: the number statistics and the ten attribute
// statistics, as one table whose rows the window's buttons, kova-cli and the
// page all read. Every statistic takes the whole text of the input box as
// code page 936 bytes and returns the lines of its report (code page 936,
// without line ends); the output box shows each line followed by CR LF.
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

// What a press reads besides the text: the number statistic's year, tables
// and arrangement (the attribute statistics read none of them).
struct StatisticSettings {
    int year = kFirstYear;
    Arrangement arrangement = Arrangement::kWrapped;
    const YearTables* tables = nullptr;  // the built-in years when null
};

// A statistic's counts under the names its report gives them, in the
// report's item order: "01".."49", or the class words in list order (code
// page 936). The page's picture and the tools' csv and json show these.
struct LabelledCounts {
    bool numbers = false;  // labels "01".."49"
    std::vector<std::string> labels;
    std::vector<Tally> counts;
};

// How an attribute statistic reads the words of its class.
struct ClassWordRules {
    std::span<const std::string_view> words;  // the class word list, index 1 first
    // 九, 号 and ： are deleted before the words at a position are tested.
    bool removes_marks = false;
    // A "1" before 1合..3合 counts 11合..13合, which are never matched
    // as words of their own.
    bool reads_teen_sums = false;
    // Report lines longer than 54 bytes continue on a new line.
    bool wraps_long_lines = false;
    // A word right after 合 does not count.
    bool skips_after_sum = false;
};

// One row of the table: a statistics button of the window and a statistic
// of kova-cli.
struct Statistic {
    std::string_view name;        // the routine's name: "ZodiacStatistics"
    std::u16string_view caption;  // its button's caption
    std::string_view tool_name;   // its name on kova-cli's command line
    std::u16string_view title;    // the report's first line; none for 码统计
    ClassWordRules rules;         // the attribute statistics' class and rules
    // How it counts the text, and the report it writes of those counts.
    LabelledCounts (*count)(const Statistic& statistic, std::string_view text,
                            const StatisticSettings& settings);
    ReportLines (*report)(const Statistic& statistic, std::span<const Tally> counts,
                          const StatisticSettings& settings);
    // Counts with the year's tables and reads the year and arrangement: 码统计.
    bool reads_year = false;
};

// The rows in the order of the window's buttons: 码统计 first, then the ten
// attribute statistics.
std::span<const Statistic> Statistics();
// The row of that routine's name; std::out_of_range for none.
const Statistic& StatisticNamed(std::string_view name);

// A press of a statistic: its counts, and the report written of them.
struct StatisticResult {
    LabelledCounts counts;
    ReportLines report;
};
StatisticResult RunStatistic(const Statistic& statistic, std::string_view text,
                             const StatisticSettings& settings = {});
// The report alone.
ReportLines Report(const Statistic& statistic, std::string_view text,
                   const StatisticSettings& settings = {});

// The count and the report of the attribute statistics: how often each
// class word is named, and those words grouped by count under the title.
LabelledCounts CountClassWords(const Statistic& statistic, std::string_view text,
                               const StatisticSettings& settings);
// One count per class word (std::invalid_argument otherwise).
ReportLines WriteClassWordReport(const Statistic& statistic, std::span<const Tally> counts,
                                 const StatisticSettings& settings);

// The text the output box holds for a report: every line followed by CR LF.
std::string ReportText(const ReportLines& lines);

}  // namespace kova
