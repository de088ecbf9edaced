#include "chgu/statistics.h"

#include <array>
#include <bit>

#include "chgu/number_list.h"
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

Counts CountNumbersOf(const Statistic&, std::u16string_view text, const ScanSettings& settings,
                      std::int16_t& InBracket) {
    return NumberStatistics(text, settings, InBracket);
}

std::u16string WriteNumberReportOf(const Statistic&, const Counts& counts, bool long_lines) {
    return WriteNumberReport(counts, long_lines);
}

Counts CountAttributes(const Statistic& statistic, std::u16string_view text,
                       const ScanSettings& settings, std::int16_t& InBracket) {
    Counts counts{};
    ScanAttributes(*statistic.attribute, text, settings, InBracket, counts);
    return counts;
}

std::u16string WriteAttributeReportOf(const Statistic& statistic, const Counts& counts, bool) {
    return WriteAttributeReport(*statistic.attribute, counts);
}

constexpr Statistic Attribute(std::u16string_view caption, std::string_view tool_name,
                              AttributeStatistic attribute) {
    return {caption, tool_name, attribute, CountAttributes, WriteAttributeReportOf};
}

const std::array<Statistic, 11> kStatistics = {{
    {u"码统计", "number", std::nullopt, CountNumbersOf, WriteNumberReportOf},
    Attribute(u"肖统计", "zodiac", AttributeStatistic::Zodiac),
    Attribute(u"头统计", "head", AttributeStatistic::Head),
    Attribute(u"尾统计", "tail", AttributeStatistic::Tail),
    Attribute(u"行统计", "element", AttributeStatistic::Element),
    Attribute(u"合统计", "digitsum", AttributeStatistic::DigitSum),
    Attribute(u"波 色", "wave", AttributeStatistic::Wave),
    Attribute(u"大 小", "bigsmall", AttributeStatistic::BigSmall),
    Attribute(u"单 双", "oddeven", AttributeStatistic::OddEven),
    Attribute(u"合单双", "sumoddeven", AttributeStatistic::SumOddEven),
    Attribute(u"半 波", "halfwave", AttributeStatistic::HalfWave),
}};

}  // namespace

std::span<const Statistic> Statistics() {
    return kStatistics;
}

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

LabelledCounts LabelledCountsOf(const Statistic& statistic, const Counts& counts) {
    LabelledCounts labelled;
    if (!statistic.attribute) {
        labelled.numbers = true;
        for (int number = kFirstNumber; number <= kLastNumber; ++number) {
            std::u16string digits;
            AppendTwoDigits(digits, number);
            labelled.labels.push_back(std::move(digits));
            labelled.counts.push_back(counts[static_cast<std::size_t>(number)]);
        }
        return labelled;
    }
    const AttributeClasses classes = ClassesOf(*statistic.attribute);
    for (std::size_t i = 0; i < classes.words.size(); ++i) {
        labelled.labels.emplace_back(classes.words[i]);
        labelled.counts.push_back(counts[classes.first_slot + i]);
    }
    return labelled;
}

bool ReadsTheTables(const Statistic& statistic, const ScanSettings& settings) {
    return !statistic.attribute && !settings.Check2;
}

StatisticResult RunStatistic(const Statistic& statistic, std::u16string_view text,
                             const StatisticSettings& settings, std::int16_t& InBracket) {
    StatisticResult result{statistic.count(statistic, text, settings.scan, InBracket), {}};
    result.report = statistic.report(statistic, result.counts, settings.long_lines);
    return result;
}

}  // namespace chgu
