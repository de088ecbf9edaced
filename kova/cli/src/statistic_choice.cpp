#include "statistic_choice.h"

#include <array>

namespace kova::cli {

namespace {

constexpr std::array<::cli::StatisticName, 11> kNames = {{
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
    {"segment", "段 数"},
}};

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
