// Program B's statistics as one table, whose rows the window's statistics
// buttons, chgu-cli and the page all read: 码统计 and the ten attribute
// statistics. Every press starts from zeroed counters and outside brackets.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chgu/scan.h"
#include "chgu/year_tables.h"

namespace chgu {

// What a statistic reads besides the text.
struct StatisticSettings {
    ScanSettings scan;
    bool long_lines = true;  // 长行排列: the number report in long lines
};

// A statistic's counts under the names its report gives them, in the
// report's item order: "01".."49", or the class words in slot order. The
// page's picture and the tools' csv and json show these.
struct LabelledCounts {
    bool numbers = false;  // labels "01".."49"
    std::vector<std::u16string> labels;
    std::vector<std::int64_t> counts;
};

// One row: a statistics button of the window and a statistic of chgu-cli.
struct Statistic {
    std::u16string_view caption;  // its button's caption
    std::string_view tool_name;   // its name on chgu-cli's command line
    // The attribute statistic it is; none for 码统计.
    std::optional<AttributeStatistic> attribute;
    // How it counts, and the report it writes of those counts.
    Counts (*count)(const Statistic& statistic, std::u16string_view text,
                    const ScanSettings& settings, std::int16_t& InBracket);
    std::u16string (*report)(const Statistic& statistic, const Counts& counts, bool long_lines);
};

// The rows in the order of the window's buttons: 码统计 first, then the ten
// attribute statistics, 肖统计 .. 半 波.
std::span<const Statistic> Statistics();

// The counts of "码统计": the weighted number scan in cumulative mode, the
// number recognition otherwise (every number it collects adds 1).
Counts NumberStatistics(std::u16string_view text, const ScanSettings& settings,
                        std::int16_t& InBracket);

// A statistic's counts in its report's order, with their labels.
LabelledCounts LabelledCountsOf(const Statistic& statistic, const Counts& counts);

// Whether the statistic reads the zodiac and element tables with these
// settings: only the number recognition does, and not in cumulative mode,
// which counts written numbers alone.
bool ReadsTheTables(const Statistic& statistic, const ScanSettings& settings);

// A press of a statistic: its counts and the report it writes of them
// (what the output box Text2 then holds).
struct StatisticResult {
    Counts counts;
    std::u16string report;
};
StatisticResult RunStatistic(const Statistic& statistic, std::u16string_view text,
                             const StatisticSettings& settings, std::int16_t& InBracket);

}  // namespace chgu
