// The statistics that both tools run, by the names their command lines give
// them: the buttons both windows have, in their order. Each tool's list
// starts with them, so that a name means the same button in both.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "cli/arguments.h"

namespace cli {

inline constexpr std::array<StatisticName, 10> kStatisticsOfBoth = {{
    {"number", "码统计"},
    {"zodiac", "肖统计"},
    {"head", "头统计"},
    {"tail", "尾统计"},
    {"element", "行统计"},
    {"digitsum", "合统计"},
    {"wave", "波 色"},
    {"bigsmall", "大 小"},
    {"oddeven", "单 双"},
    {"sumoddeven", "合单双"},
}};

// A tool's list: the statistics of both, then the tool's own.
template <std::size_t N>
constexpr std::array<StatisticName, kStatisticsOfBoth.size() + N> StatisticsOfBothAnd(
    const std::array<StatisticName, N>& own) {
    std::array<StatisticName, kStatisticsOfBoth.size() + N> all{};
    std::copy(own.begin(), own.end(),
              std::copy(kStatisticsOfBoth.begin(), kStatisticsOfBoth.end(), all.begin()));
    return all;
}

}  // namespace cli
