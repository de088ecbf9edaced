#include "statistic_choice.h"

#include <array>

#include "chgu/command2.h"

namespace chgu::cli {

namespace {

constexpr std::array<::cli::StatisticName, 12> kNames = {{
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
    {"halfwave", "半 波"},
    {"normalise", "全转半", false},
}};

static_assert(kNames.size() == kNormaliseIndex + 1);

}  // namespace

std::span<const ::cli::StatisticName> StatisticNames() {
    return kNames;
}

bool ReadsTheTables(std::int16_t Index, bool cumulative) {
    return Index == kNumberStatisticsIndex && !cumulative;
}

}  // namespace chgu::cli
