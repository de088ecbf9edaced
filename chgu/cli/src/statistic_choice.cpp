#include "statistic_choice.h"

#include <array>

#include "chgu/command2.h"
#include "cli/statistic_names.h"

namespace chgu::cli {

namespace {

constexpr auto kNames = ::cli::StatisticsOfBothAnd(std::array<::cli::StatisticName, 2>{{
    {"halfwave", "半 波"},
    {"normalise", "全转半", false},
}});

static_assert(kNames.size() == kNormaliseIndex + 1);

}  // namespace

std::span<const ::cli::StatisticName> StatisticNames() {
    return kNames;
}

bool ReadsTheTables(std::int16_t Index, bool cumulative) {
    return Index == kNumberStatisticsIndex && !cumulative;
}

}  // namespace chgu::cli
