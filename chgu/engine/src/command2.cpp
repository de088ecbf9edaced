#include "chgu/command2.h"

#include <bit>

#include "chgu/reports.h"

namespace chgu {

namespace {

// Adds every number of every item the recognition appended, each distinct
// number set at once for all the times it was appended.
class CountingTally final : public NumberTally {
  public:
    explicit CountingTally(Counts& counts) : counts_(counts) {}

    void Add(NumberSet numbers, std::int64_t times) override {
        for (; numbers != 0; numbers &= numbers - 1) {
            counts_[static_cast<std::size_t>(std::countr_zero(numbers))] += times;
        }
    }

  private:
    Counts& counts_;
};

bool IsAttributeStatistic(std::int16_t Index) {
    return Index >= static_cast<std::int16_t>(AttributeStatistic::Zodiac) &&
           Index <= static_cast<std::int16_t>(AttributeStatistic::HalfWave);
}

}  // namespace

Counts NumberStatistics(std::u16string_view text, const ScanSettings& settings,
                        std::int16_t& InBracket) {
    Counts counts{};
    if (settings.Check2) {
        CountWeighted(text, counts);
    } else {
        CountingTally tally(counts);
        CollectNumbers(text, settings, InBracket, tally);
    }
    return counts;
}

Counts CountsOfPress(std::int16_t Index, std::u16string_view text1, const ScanSettings& settings,
                     std::int16_t& InBracket) {
    if (Index == kNumberStatisticsIndex) {
        return NumberStatistics(text1, settings, InBracket);
    }
    Counts counts{};
    if (IsAttributeStatistic(Index)) {
        ScanAttributes(static_cast<AttributeStatistic>(Index), text1, settings, InBracket, counts);
    }
    return counts;
}

std::u16string ReportOfCounts(std::int16_t Index, const Counts& counts, bool Option2) {
    if (Index == kNumberStatisticsIndex) {
        return WriteNumberReport(counts, Option2);
    }
    return WriteAttributeReport(static_cast<AttributeStatistic>(Index), counts);
}

bool IsStatisticsPress(std::int16_t Index) {
    return Index == kNumberStatisticsIndex || IsAttributeStatistic(Index);
}

std::optional<std::u16string> Text2AfterPress(std::int16_t Index, std::u16string_view text1,
                                              const PressSettings& settings,
                                              std::int16_t& InBracket) {
    if (IsStatisticsPress(Index)) {
        return ReportOfCounts(Index, CountsOfPress(Index, text1, settings.scan, InBracket),
                              settings.Option2);
    }
    if (Index == kNormaliseIndex) {
        return NormaliseText(text1);
    }
    return std::nullopt;
}

}  // namespace chgu
