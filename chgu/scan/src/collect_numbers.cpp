#include <algorithm>
#include <cstdint>
#include <optional>

#include "character_class.h"
#include "chgu/bracket_filter.h"
#include "chgu/class_words.h"
#include "chgu/lookups.h"
#include "chgu/scan.h"
#include "number_items.h"
#include "scan_window.h"

namespace chgu {

namespace {

using detail::CharacterClass;
using detail::Family;
using detail::FamilySet;
using detail::Item;
using detail::ItemId;
using detail::Lookup;
using detail::ScanWindow;

// Two characters as one number, so that a word of two can be compared at once.
constexpr std::uint32_t Pair(char16_t first, char16_t second) {
    return std::uint32_t{first} << 16 | second;
}

constexpr auto kCompoundPairs = [] {
    std::array<std::uint32_t, kCompoundWords.size()> pairs{};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        pairs[i] = Pair(kCompoundWords[i][0], kCompoundWords[i][1]);
    }
    return pairs;
}();

// The digit d names the d-th word of these lists, "10合" the tenth digit sum.
static_assert(kHeadWords[0] == u"0头" && kHeadWords[4] == u"4头");
static_assert(kTailWords[0] == u"0尾" && kTailWords[9] == u"9尾");
static_assert(kDigitSumWords[0] == u"1合" && kDigitSumWords[8] == u"9合");
static_assert(kDigitSumWords[9] == u"10合" && kDigitSumWords[12] == u"13合");
constexpr std::size_t kTenSum = 9;

// The word checks, in their order; each appends its lookup's item.
template <typename Append>
void AppendWordItems(const ScanWindow& w, bool at_end, Append append) {
    const CharacterClass p2 = w.p2.cls;
    const CharacterClass p1 = w.p1.cls;
    const CharacterClass c = w.c.cls;
    if (c.Is(Family::Animal)) {
        append(Item(Lookup::Xiao, c.index));
    }
    if (c.Is(Family::Element)) {
        append(Item(Lookup::WX, c.index));
    }
    detail::ColoursAt(w, at_end, [&](std::size_t i) { append(Item(Lookup::Bo, i)); });
    detail::ParitiesAt(w, [&](std::size_t i) { append(Item(Lookup::Sd, i)); });
    detail::SizesAt(w, at_end, [&](std::size_t i) { append(Item(Lookup::Bs, i)); });
    if (c.In(FamilySet({Family::Parity, Family::Size}))) {
        const auto* compound = std::ranges::find(kCompoundPairs, Pair(w.p1.ch, w.c.ch));
        if (compound != kCompoundPairs.end()) {
            append(Item(Lookup::Sz, static_cast<std::size_t>(compound - kCompoundPairs.begin())));
        }
    }
    if (c.Is(Family::Head) && p1.Is(Family::Digit) && p1.index < kHeadWords.size()) {
        append(Item(Lookup::Tou, p1.index));
    }
    if (c.Is(Family::Tail) && p1.Is(Family::Digit)) {
        append(Item(Lookup::Wei, p1.index));
    }
    if (c.Is(Family::Sum)) {
        // "10合" to "13合" are read whole; any other digit before 合 alone,
        // where "0合" is no word.
        if (p2.IsDigit(1) && p1.Is(Family::Digit) && p1.index <= 3) {
            append(Item(Lookup::He, kTenSum + p1.index));
        } else if (p1.Is(Family::Digit) && p1.index >= 1) {
            append(Item(Lookup::He, p1.index - 1u));
        }
    }
}

// What the word checks look at: a word can only fire when c, or p1 for the
// colours and sizes that wait for the character after them, is one of these.
constexpr detail::Families kWordsAtC =
    FamilySet({Family::Animal, Family::Element, Family::Colour, Family::Size, Family::Parity,
               Family::Head, Family::Tail, Family::Sum});
constexpr detail::Families kWordsAtP1 = FamilySet({Family::Colour, Family::Size});

bool MayHoldWord(const ScanWindow& w) {
    return w.c.cls.In(kWordsAtC) || w.p1.cls.In(kWordsAtP1);
}

// Every candidate of the number check takes its digits from p1 or c, so no
// number can come out unless one of them is a digit.
bool MayEndNumber(const ScanWindow& w) {
    return w.p1.cls.Is(Family::Digit) || w.c.cls.Is(Family::Digit);
}

// Where position i stands in a text of length L, for the steps of the number
// check that treat the edges of the text apart. Everywhere from position 3
// to L - 1 all of these are false.
struct Place {
    bool length_is_2 = false;  // L = 2
    bool length_is_1 = false;  // L = 1
    bool at_end = false;       // i = L
    bool second = false;       // i = 2
};
constexpr Place kInside{};

Place PlaceOf(std::size_t position, std::size_t length) {
    return {length == 2, length == 1, position == length, position == 2};
}

// A candidate number of two characters.
struct Candidate {
    CharacterClass tens;
    CharacterClass units;
};

constexpr CharacterClass kZero{Family::Digit, 0};

// The number check: the number written before c, read when c is classified.
std::optional<int> NumberAt(const ScanWindow& w, const Place& place, std::int64_t DigitRun) {
    const CharacterClass p2 = w.p2.cls;
    const CharacterClass p1 = w.p1.cls;
    const CharacterClass c = w.c.cls;
    if (c.In(detail::kNumberStoppers) || DigitRun >= 3) {
        return std::nullopt;
    }
    Candidate n{p2, p1};
    if (place.length_is_2) {
        n = {p1, c};
    }
    if (place.length_is_1) {
        n = {kZero, c};
    }
    if (!p2.Is(Family::NoCharacter) && !p2.Is(Family::Digit) && !c.Is(Family::Digit)) {
        n = {kZero, p1};
    }
    if (place.at_end && !p1.Is(Family::NoCharacter)) {
        if (p1.Is(Family::Digit) && c.Is(Family::Digit)) {
            n = {p1, c};
        } else if (!p1.Is(Family::Digit)) {
            n = {kZero, c};
        }
    }
    if (place.second && !c.Is(Family::Digit)) {
        n = {kZero, p1};
    }
    if (!n.tens.Is(Family::Digit) || !n.units.Is(Family::Digit)) {
        return std::nullopt;
    }
    const int number = n.tens.index * 10 + n.units.index;
    if (number < kFirstNumber || number > kLastNumber) {
        return std::nullopt;
    }
    return number;
}

// The recognition pass; append receives the id of every item, in text order.
template <typename Append>
void RecogniseItems(std::u16string_view text, const ScanSettings& settings, std::int16_t& InBracket,
                    Append append) {
    BracketFilter filter(settings.Check1, InBracket);
    const detail::ClassTable& classes = detail::CharacterClasses();
    const std::size_t length = text.size();
    ScanWindow w;
    std::int64_t DigitRun = 0;
    const auto step = [&](std::size_t i, const Place& place) {
        w.Shift(detail::Filtered(text[i], classes[text[i]], filter));
        DigitRun = w.c.cls.Is(Family::Digit) ? DigitRun + 1 : 0;
        if (MayHoldWord(w)) {
            AppendWordItems(w, place.at_end, append);
        }
        if (MayEndNumber(w)) {
            if (const auto number = NumberAt(w, place, DigitRun)) {
                append(Item(Lookup::Number, static_cast<std::size_t>(*number)));
            }
        }
    };
    // The first two positions and the last one see the edges of the text;
    // every position between them takes the same steps, with the edge tests
    // known to fail.
    std::size_t i = 0;
    for (; i < length && i < 2; ++i) {
        step(i, PlaceOf(i + 1, length));
    }
    for (; i + 1 < length; ++i) {
        step(i, kInside);
    }
    if (i < length) {
        step(i, PlaceOf(i + 1, length));
    }
}

}  // namespace

void CollectNumbers(std::u16string_view text, const ScanSettings& settings, std::int16_t& InBracket,
                    NumberTally& tally) {
    std::array<std::int64_t, detail::kItemCount> times{};
    RecogniseItems(text, settings, InBracket, [&](ItemId id) { ++times[id]; });
    const detail::ItemNumbers numbers = detail::NumbersOfItems(TableColumnOf(settings.TableYear));
    for (std::size_t id = 0; id < times.size(); ++id) {
        if (times[id] != 0) {
            tally.Add(numbers[id], times[id]);
        }
    }
}

std::u16string CollectNumbers(std::u16string_view text, const ScanSettings& settings,
                              std::int16_t& InBracket) {
    const detail::ItemNumbers numbers = detail::NumbersOfItems(TableColumnOf(settings.TableYear));
    std::u16string CollectedList;
    RecogniseItems(text, settings, InBracket,
                   [&](ItemId id) { AppendNumberList(CollectedList, numbers[id]); });
    return CollectedList;
}

}  // namespace chgu
