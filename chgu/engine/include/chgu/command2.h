// The thirteen buttons of the Command2 array: eleven statistics, "全转半" and
// "清 空". Every press starts from zeroed counters and outside brackets.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chgu/scan.h"
#include "chgu/year_tables.h"

namespace chgu {

// Command2 indexes besides the attribute statistics (1..10).
inline constexpr std::int16_t kNumberStatisticsIndex = 0;  // 码统计
inline constexpr std::int16_t kNormaliseIndex = 11;        // 全转半
inline constexpr std::int16_t kClearIndex = 12;            // 清 空

struct PressSettings {
    ScanSettings scan;
    bool Option2 = true;  // 长行排列: the number report in long lines
};

// The counts of "码统计": the weighted number scan in cumulative mode, the
// number recognition otherwise (every number it collects adds 1).
Counts NumberStatistics(std::u16string_view text, const ScanSettings& settings,
                        std::int16_t& InBracket);

// The statistics presses (indexes 0..10) in two halves: the counts the
// press makes, and the report it writes of them. Together they are the
// press; apart, the counts can be given in another form that still matches
// the report.
Counts CountsOfPress(std::int16_t Index, std::u16string_view text1, const ScanSettings& settings,
                     std::int16_t& InBracket);
std::u16string ReportOfCounts(std::int16_t Index, const Counts& counts, bool Option2);
// Whether Command2(Index) is one of the statistics presses.
bool IsStatisticsPress(std::int16_t Index);

// What Text2 holds after pressing Command2(Index) with text1 in the input
// box, for the indexes 0..11; nothing for any other index.
std::optional<std::u16string> Text2AfterPress(std::int16_t Index, std::u16string_view text1,
                                              const PressSettings& settings,
                                              std::int16_t& InBracket);

}  // namespace chgu
