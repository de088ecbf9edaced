#include <array>

#include "character_class.h"
#include "chgu/bracket_filter.h"
#include "chgu/class_words.h"
#include "chgu/scan.h"
#include "scan_window.h"
#include "weight_marker.h"

namespace chgu {

namespace {

using detail::Family;
using detail::kSum;
using detail::ScanWindow;
using detail::WeightMarker;

// Class words and first slots, in button order from 肖统计 to 半 波.
constexpr std::array<AttributeClasses, 10> kClasses = {{
    {kAnimalWords, 1},
    {kHeadWords, 0},
    {kTailWords, 0},
    {kElementWords, 1},
    {kDigitSumWords, 1},
    {kColourWords, 1},
    {kSizeWords, 1},
    {kParityWords, 1},
    {kSumParityWords, 1},
    {kHalfWaveWords, 1},
}};

// Counted by the second pass of 合单双, in the order of its class words.
constexpr std::array<std::u16string_view, 2> kSpelledSumParities = {u"合数单", u"合数双"};

// 肖统计, 行统计, 波 色, 大 小 and 单 双 look at the filtered characters c, p1
// and p2. 肖统计 alone also reads its weight markers through the filter.
void ScanCharacters(AttributeStatistic statistic, std::u16string_view text,
                    const ScanSettings& settings, std::int16_t& InBracket, Counts& counts) {
    BracketFilter filter(settings.Check1, InBracket);
    WeightMarker marker(settings.Check2);
    const std::size_t first_slot = ClassesOf(statistic).first_slot;
    const auto add = [&](std::size_t index) { counts[first_slot + index] += marker.Weight; };
    ScanWindow w;
    for (std::size_t i = 0; i < text.size(); ++i) {
        w.Shift(filter(text[i]));
        marker.Step(statistic == AttributeStatistic::Zodiac ? w.c : text[i]);
        const bool at_end = i + 1 == text.size();
        switch (statistic) {
            case AttributeStatistic::Zodiac:
                if (w.c_class.family == Family::Animal) {
                    add(w.c_class.index);
                }
                break;
            case AttributeStatistic::Element:
                if (w.c_class.family == Family::Element) {
                    add(w.c_class.index);
                }
                break;
            case AttributeStatistic::Wave:
                detail::ColoursAt(w, at_end, add);
                break;
            case AttributeStatistic::BigSmall:
                detail::SizesAt(w, at_end, add);
                break;
            case AttributeStatistic::OddEven:
                detail::ParitiesAt(w, add);
                break;
            default:
                break;
        }
    }
}

// The digit-sum token at position i: the character there and a 合 after it,
// with a "1" in front when the character before is "1" and the one at i is
// not 合 (so 12合 reads 12合 and 21合 reads 1合). At the end of the text the
// window holds only a lone 合, which is no class word.
std::u16string_view DigitSumToken(std::u16string_view text, std::size_t i, char16_t (&buffer)[3]) {
    if (i + 1 >= text.size() || text[i + 1] != kSum) {
        return {};
    }
    std::size_t length = 0;
    if (i > 0 && text[i - 1] == u'1' && text[i] != kSum) {
        buffer[length++] = u'1';
    }
    buffer[length++] = text[i];
    buffer[length++] = text[i + 1];
    return std::u16string_view(buffer, length);
}

// 头统计, 尾统计, 合统计, 合单双 and 半 波 read words of two or three raw
// characters. The bracket filter sees the single character at each
// position, and a position inside brackets adds nothing, so bracketed text
// stays out of these statistics as it does out of all the others.
void ScanWords(AttributeStatistic statistic, std::u16string_view text, const ScanSettings& settings,
               std::int16_t& InBracket, Counts& counts) {
    BracketFilter filter(settings.Check1, InBracket);
    WeightMarker marker(settings.Check2);
    const AttributeClasses classes = ClassesOf(statistic);
    char16_t buffer[3];
    for (std::size_t i = 0; i < text.size(); ++i) {
        marker.Step(text[i]);
        if (filter(text[i]) == u' ') {
            continue;
        }
        const std::u16string_view word = statistic == AttributeStatistic::DigitSum
                                             ? DigitSumToken(text, i, buffer)
                                             : text.substr(i, 2);
        if (const auto index = IndexOfWord(classes.words, word)) {
            counts[classes.first_slot + *index] += marker.Weight;
        }
    }
}

// 合数单 and 合数双 add 1 each, in any mode and regardless of brackets.
void CountSpelledSumParities(std::u16string_view text, Counts& counts) {
    const std::size_t first_slot = ClassesOf(AttributeStatistic::SumOddEven).first_slot;
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (const auto index = IndexOfWord(kSpelledSumParities, text.substr(i, 3))) {
            counts[first_slot + *index] += 1;
        }
    }
}

}  // namespace

AttributeClasses ClassesOf(AttributeStatistic statistic) {
    return kClasses[static_cast<std::size_t>(statistic) - 1];
}

void ScanAttributes(AttributeStatistic statistic, std::u16string_view text,
                    const ScanSettings& settings, std::int16_t& InBracket, Counts& counts) {
    switch (statistic) {
        case AttributeStatistic::Zodiac:
        case AttributeStatistic::Element:
        case AttributeStatistic::Wave:
        case AttributeStatistic::BigSmall:
        case AttributeStatistic::OddEven:
            ScanCharacters(statistic, text, settings, InBracket, counts);
            break;
        case AttributeStatistic::Head:
        case AttributeStatistic::Tail:
        case AttributeStatistic::DigitSum:
        case AttributeStatistic::HalfWave:
            ScanWords(statistic, text, settings, InBracket, counts);
            break;
        case AttributeStatistic::SumOddEven:
            ScanWords(statistic, text, settings, InBracket, counts);
            CountSpelledSumParities(text, counts);
            break;
    }
}

}  // namespace chgu
