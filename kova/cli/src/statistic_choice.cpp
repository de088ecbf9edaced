#include "statistic_choice.h"

#include <array>

#include "cli/statistic_names.h"

namespace kova::cli {

namespace {

constexpr auto kNames =
    ::cli::StatisticsOfBothAnd(std::array<::cli::StatisticName, 1>{{{"segment", "段 数"}}});

// The attribute statistics follow number in the order of AttributeStatistic.
static_assert(kNames.size() == 1 + kAttributeStatisticCount);

}  // namespace

std::span<const ::cli::StatisticName> StatisticNames() {
    return kNames;
}

std::optional<AttributeStatistic> AttributeOf(std::size_t statistic) {
    if (statistic == 0) {
        return std::nullopt;
    }
    return static_cast<AttributeStatistic>(statistic - 1);
}

}  // namespace kova::cli
