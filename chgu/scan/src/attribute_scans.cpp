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
using detail::ScanWindow;
using detail::WeightMarker;

// 合, which the digit-sum tokens end in.
constexpr char16_t kSum = u'合';

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

// Whose character the weight markers of a one-character scan read.
enum class MarkersRead : bool { Raw, Filtered };

// 肖统计, 行统计, 波 色, 大 小 and 单 双 look at the filtered characters c, p1
// and p2; count_at(window, at_end, add) applies the statistic's rule there.
template <MarkersRead markers, typename CountAt>
void ScanCharacters(std::u16string_view text, const ScanSettings& settings, std::int16_t& InBracket,
                    std::size_t first_slot, Counts& counts, CountAt count_at) {
    BracketFilter filter(settings.Check1, InBracket);
    WeightMarker marker(settings.Check2);
    const detail::ClassTable& classes = detail::CharacterClasses();
    const auto add = [&](std::size_t index) { counts[first_slot + index] += marker.Weight; };
    ScanWindow w;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const detail::CharacterClass raw = classes[text[i]];
        const detail::CharacterClass filtered = detail::Filtered(text[i], raw, filter);
        w.Shift(filtered);
        if constexpr (markers == MarkersRead::Filtered) {
            marker.Step(filtered, text, i);
        } else {
            marker.Step(raw, text, i);
        }
        count_at(w, i + 1 == text.size(), add);
    }
}

// The one-character scans; 肖统计 alone reads its weight markers through the
// bracket filter.
void ScanCharacters(AttributeStatistic statistic, std::u16string_view text,
                    const ScanSettings& settings, std::int16_t& InBracket, Counts& counts) {
    const std::size_t first_slot = ClassesOf(statistic).first_slot;
    const auto single = [](Family family) {
        return [family](const ScanWindow& w, bool, auto add) {
            if (w.c.Is(family)) {
                add(w.c.index);
            }
        };
    };
    const auto colours = [](const ScanWindow& w, bool at_end, auto add) {
        detail::ColoursAt(w, at_end, add);
    };
    const auto sizes = [](const ScanWindow& w, bool at_end, auto add) {
        detail::SizesAt(w, at_end, add);
    };
    const auto parities = [](const ScanWindow& w, bool, auto add) { detail::ParitiesAt(w, add); };
    using enum MarkersRead;
    switch (statistic) {
        case AttributeStatistic::Zodiac:
            ScanCharacters<Filtered>(text, settings, InBracket, first_slot, counts,
                                     single(Family::Animal));
            break;
        case AttributeStatistic::Element:
            ScanCharacters<Raw>(text, settings, InBracket, first_slot, counts,
                                single(Family::Element));
            break;
        case AttributeStatistic::Wave:
            ScanCharacters<Raw>(text, settings, InBracket, first_slot, counts, colours);
            break;
        case AttributeStatistic::BigSmall:
            ScanCharacters<Raw>(text, settings, InBracket, first_slot, counts, sizes);
            break;
        case AttributeStatistic::OddEven:
            ScanCharacters<Raw>(text, settings, InBracket, first_slot, counts, parities);
            break;
        default:
            break;
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

// The family of the last character of every class word of a two-character
// scan: no word can start at a position unless the next character is one.
Family LastCharacterFamily(AttributeStatistic statistic) {
    switch (statistic) {
        case AttributeStatistic::Head:
            return Family::Head;
        case AttributeStatistic::Tail:
            return Family::Tail;
        case AttributeStatistic::DigitSum:
            return Family::Sum;
        default:
            return Family::Parity;  // 合单双 and 半 波
    }
}

// 头统计, 尾统计, 合统计, 合单双 and 半 波 read words of two or three raw
// characters. The bracket filter sees the single character at each
// position, and a position inside brackets adds nothing, so bracketed text
// stays out of these statistics as it does out of all the others.
void ScanWords(AttributeStatistic statistic, std::u16string_view text, const ScanSettings& settings,
               std::int16_t& InBracket, Counts& counts) {
    BracketFilter filter(settings.Check1, InBracket);
    WeightMarker marker(settings.Check2);
    const detail::ClassTable& classes = detail::CharacterClasses();
    const AttributeClasses words = ClassesOf(statistic);
    const Family last = LastCharacterFamily(statistic);
    char16_t buffer[3];
    for (std::size_t i = 0; i < text.size(); ++i) {
        marker.Step(classes[text[i]], text, i);
        if (filter.Skips(text[i])) {
            continue;
        }
        if (i + 1 >= text.size() || !classes[text[i + 1]].Is(last)) {
            continue;
        }
        const std::u16string_view word = statistic == AttributeStatistic::DigitSum
                                             ? DigitSumToken(text, i, buffer)
                                             : text.substr(i, 2);
        if (const auto index = IndexOfWord(words.words, word)) {
            counts[words.first_slot + *index] += marker.Weight;
        }
    }
}

// 合数单 and 合数双 add 1 each, in any mode and regardless of brackets.
void CountSpelledSumParities(std::u16string_view text, Counts& counts) {
    const std::size_t first_slot = ClassesOf(AttributeStatistic::SumOddEven).first_slot;
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] != kSum) {
            continue;
        }
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
