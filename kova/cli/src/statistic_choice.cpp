#include "statistic_choice.h"

#include <array>

namespace kova::cli {

namespace {

constexpr std::array<StatisticChoice, 11> kChoices = {{
    {"number", "码统计", nullptr},
    {"zodiac", "肖统计", &ZodiacStatistics},
    {"head", "头统计", &HeadStatistics},
    {"tail", "尾统计", &TailStatistics},
    {"element", "行统计", &ElementStatistics},
    {"digitsum", "合统计", &DigitSumStatistics},
    {"wave", "波 色", &WaveStatistics},
    {"bigsmall", "大 小", &BigSmallStatistics},
    {"oddeven", "单 双", &OddEvenStatistics},
    {"sumoddeven", "合单双", &SumOddEvenStatistics},
    {"segment", "段 数", &SegmentStatistics},
}};

}  // namespace

std::span<const StatisticChoice> StatisticChoices() {
    return kChoices;
}

const StatisticChoice* FindStatistic(std::string_view name) {
    for (const StatisticChoice& choice : kChoices) {
        if (choice.name == name) {
            return &choice;
        }
    }
    return nullptr;
}

}  // namespace kova::cli
