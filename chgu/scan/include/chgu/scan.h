// How a statistics press takes the text of the input box apart: the number
// recognition of "码统计", the ten attribute scans, the weighted number scan
// of cumulative mode and the conversion of "全转半".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "chgu/number_list.h"

namespace chgu {

class YearTables;

// The counters of one press: slot j for number j in the number statistics,
// the slots of the family's classes in an attribute statistic.
using Counts = std::array<std::int64_t, 51>;

struct ScanSettings {
    std::u16string_view TableYear;  // whose zodiac and element tables apply
    bool Check1 = true;             // 方括内不统计: skip text inside 【】 and 〖〗
    bool Check2 = false;            // 次数累加统计: cumulative counting
    // The tables TableYear selects from: with a year-tables file, its years
    // too; the built-in years alone when none.
    const YearTables* Tables = nullptr;
};

// Receives what the number recognition appended, gathered: each distinct
// number set once, with how many times it was appended. What the counts of
// "码统计" need, without handing over millions of items one by one.
class NumberTally {
  public:
    virtual void Add(NumberSet numbers, std::int64_t times) = 0;

  protected:
    ~NumberTally() = default;
};

// The recognition pass of "码统计": numbers written with one or two digits
// and the attribute words, tallied.
void CollectNumbers(std::u16string_view text, const ScanSettings& settings, std::int16_t& InBracket,
                    NumberTally& tally);

// The same pass as CollectedList: every recognised number as two digits and
// a comma, in order and with every repetition.
std::u16string CollectNumbers(std::u16string_view text, const ScanSettings& settings,
                              std::int16_t& InBracket);

// The attribute statistics, numbered like their buttons.
enum class AttributeStatistic : std::int16_t {
    Zodiac = 1,  // 肖统计
    Head,        // 头统计
    Tail,        // 尾统计
    Element,     // 行统计
    DigitSum,    // 合统计
    Wave,        // 波 色
    BigSmall,    // 大 小
    OddEven,     // 单 双
    SumOddEven,  // 合单双
    HalfWave,    // 半 波
};

// A statistic's class words in slot order, and the slot of the first one.
struct AttributeClasses {
    std::span<const std::u16string_view> words;
    std::size_t first_slot;
};
AttributeClasses ClassesOf(AttributeStatistic statistic);

// Adds the weight of every class word the statistic recognises in text to
// its slot of counts.
void ScanAttributes(AttributeStatistic statistic, std::u16string_view text,
                    const ScanSettings& settings, std::int16_t& InBracket, Counts& counts);

// The number scan of cumulative mode: adds the weight in force to slot j for
// every j written as two digits followed directly by ",".
void CountWeighted(std::u16string_view text, Counts& counts);

// "全转半": full-width digits to ASCII, every run of line-break characters to
// one CR LF; everything else unchanged.
std::u16string NormaliseText(std::u16string_view text);

}  // namespace chgu
