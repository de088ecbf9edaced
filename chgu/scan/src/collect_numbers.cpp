#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

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

// The classes of two characters as one number, so that a word of two can be
// compared at once.
constexpr std::uint32_t Pair(CharacterClass first, CharacterClass second) {
    return std::uint32_t{first.code} << 8 | second.code;
}

constexpr auto kCompoundPairs = [] {
    std::array<std::uint32_t, kCompoundWords.size()> pairs{};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        pairs[i] = Pair(detail::ClassOfCharacter(kCompoundWords[i][0]),
                        detail::ClassOfCharacter(kCompoundWords[i][1]));
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
void AppendWordItems(ScanWindow w, bool at_end, Append append) {
    const CharacterClass p2 = w.p2;
    const CharacterClass p1 = w.p1;
    const CharacterClass c = w.c;
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
        const auto compound =
            std::find(kCompoundPairs.begin(), kCompoundPairs.end(), Pair(w.p1, w.c));
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

bool MayHoldWord(ScanWindow w) {
    return w.c.In(kWordsAtC) || w.p1.In(kWordsAtP1);
}

// Where position i stands in a text of length L, for the steps of the number
// check that treat the edges of the text apart. Positions 3 to L - 1 are
// inside, and there all of the edge tests are false.
struct Place {
    bool inside = false;
    bool length_is_2 = false;  // L = 2
    bool length_is_1 = false;  // L = 1
    bool at_end = false;       // i = L
    bool second = false;       // i = 2
};
constexpr Place kInside{.inside = true};

Place PlaceOf(std::size_t position, std::size_t length) {
    return {position >= 3 && position < length, length == 2, length == 1, position == length,
            position == 2};
}

// A candidate number of two characters.
struct Candidate {
    CharacterClass tens;
    CharacterClass units;
};

constexpr CharacterClass kZero{Family::Digit, 0};

// The digits that end the window, which is all the number check asks of the
// digits before c: whether there are three or more.
int DigitRunIn(ScanWindow w) {
    if (!w.c.Is(Family::Digit)) {
        return 0;
    }
    if (!w.p1.Is(Family::Digit)) {
        return 1;
    }
    return w.p2.Is(Family::Digit) ? 3 : 2;
}

// The number check: the number written before c, read when c is classified.
std::optional<int> NumberAt(ScanWindow w, Place place) {
    const CharacterClass p2 = w.p2;
    const CharacterClass p1 = w.p1;
    const CharacterClass c = w.c;
    if (c.In(detail::kNumberStoppers) || DigitRunIn(w) >= 3) {
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

// Every candidate of the number check takes its digits from p1 or c, so no
// number can come out unless one of them is a digit. Between the edges of
// the text the candidate is p2 p1 when c is a digit, and three digits in a
// row are no number, so there it takes a digit p1 and a c that is none.
bool MayEndNumber(ScanWindow w, Place place) {
    const bool p1_digit = w.p1.Is(Family::Digit);
    const bool c_digit = w.c.Is(Family::Digit);
    if (place.inside) {
        return p1_digit && !c_digit;
    }
    return p1_digit || c_digit;
}

// The rules at one position: the word checks, then the number check.
template <typename Append>
void RulesAt(ScanWindow w, Place place, Append append) {
    if (MayHoldWord(w)) {
        AppendWordItems(w, place.at_end, append);
    }
    if (MayEndNumber(w, place)) {
        if (const auto number = NumberAt(w, place)) {
            append(Item(Lookup::Number, static_cast<std::size_t>(*number)));
        }
    }
}

// The window as the recognition pass moves it on: the classes' codes alone,
// a byte each, from which ScanWindow is had when the rules run.
struct WindowCodes {
    std::uint8_t p2 = detail::kNoCharacterClass.code;
    std::uint8_t p1 = detail::kNoCharacterClass.code;
    std::uint8_t c = detail::kNoCharacterClass.code;

    void Shift(std::uint8_t next) {
        p2 = p1;
        p1 = c;
        c = next;
    }
    ScanWindow Classes() const {
        return {detail::kClassOfCode[p2], detail::kClassOfCode[p1], detail::kClassOfCode[c]};
    }
};

// The recognition pass: shifts the window at every position, then hands the
// position to at_edge(window, place) at the first two positions and the
// last, and to inside(codes) everywhere between them.
template <typename AtEdge, typename Inside>
void WalkWindows(std::u16string_view text, const ScanSettings& settings, std::int16_t& InBracket,
                 AtEdge at_edge, Inside inside) {
    // The filter works on a copy of InBracket, which the compiler can then
    // keep in a register.
    std::int16_t in_bracket = InBracket;
    BracketFilter filter(settings.Check1, in_bracket);
    const detail::ClassTable& classes = detail::CharacterClasses();
    const std::size_t length = text.size();
    WindowCodes w;
    const auto shift = [&](std::size_t i) {
        const std::uint8_t code = classes.CodeOf(text[i]);
        w.Shift(filter.Skips(text[i]) ? detail::kOtherClass.code : code);
    };
    std::size_t i = 0;
    for (; i < length && i < 2; ++i) {
        shift(i);
        at_edge(w.Classes(), PlaceOf(i + 1, length));
    }
    for (; i + 1 < length; ++i) {
        shift(i);
        inside(w);
    }
    if (i < length) {
        shift(i);
        at_edge(w.Classes(), PlaceOf(i + 1, length));
    }
    InBracket = in_bracket;
}

// Inside the text the rules see nothing but the three classes of the window.
// A long text holds only a few thousand distinct windows, so the counting
// pass tallies windows and runs the rules once for each window that
// occurred, for all its occurrences at once.
class WindowTally {
  public:
    WindowTally() : times_(kWindows) {}

    void Count(WindowCodes w) { ++times_[(w.p2 * kClasses + w.p1) * kClasses + w.c]; }

    // Calls f(window, times) for every window counted.
    template <typename F>
    void ForEach(F f) const {
        for (std::size_t index = 0; index < times_.size(); ++index) {
            if (times_[index] != 0) {
                const WindowCodes w{static_cast<std::uint8_t>(index / kClasses / kClasses),
                                    static_cast<std::uint8_t>(index / kClasses % kClasses),
                                    static_cast<std::uint8_t>(index % kClasses)};
                f(w.Classes(), times_[index]);
            }
        }
    }

  private:
    static constexpr std::size_t kClasses = detail::kClassCount;
    static constexpr std::size_t kWindows = kClasses * kClasses * kClasses;

    std::vector<std::int64_t> times_;
};

// Below this many characters the rules run window by window: clearing and
// reading the window tally costs more than the text itself.
constexpr std::size_t kShortText = 4096;

void AddTimes(const std::array<std::int64_t, detail::kItemCount>& times,
              const ScanSettings& settings, NumberTally& tally) {
    const detail::ItemNumbers numbers = detail::NumbersOfItems(settings);
    for (std::size_t id = 0; id < times.size(); ++id) {
        if (times[id] != 0) {
            tally.Add(numbers[id], times[id]);
        }
    }
}

}  // namespace

void CollectNumbers(std::u16string_view text, const ScanSettings& settings, std::int16_t& InBracket,
                    NumberTally& tally) {
    std::array<std::int64_t, detail::kItemCount> times{};
    const auto count = [&](ItemId id) { ++times[id]; };
    const auto at_edge = [&](ScanWindow w, Place place) { RulesAt(w, place, count); };
    if (text.size() < kShortText) {
        WalkWindows(text, settings, InBracket, at_edge,
                    [&](WindowCodes w) { RulesAt(w.Classes(), kInside, count); });
        AddTimes(times, settings, tally);
        return;
    }
    WindowTally windows;
    WalkWindows(text, settings, InBracket, at_edge, [&](WindowCodes w) { windows.Count(w); });
    windows.ForEach([&](ScanWindow w, std::int64_t occurrences) {
        RulesAt(w, kInside, [&](ItemId id) { times[id] += occurrences; });
    });
    AddTimes(times, settings, tally);
}

std::u16string CollectNumbers(std::u16string_view text, const ScanSettings& settings,
                              std::int16_t& InBracket) {
    const detail::ItemNumbers numbers = detail::NumbersOfItems(settings);
    std::u16string CollectedList;
    const auto append = [&](ItemId id) { AppendNumberList(CollectedList, numbers[id]); };
    WalkWindows(
        text, settings, InBracket, [&](ScanWindow w, Place place) { RulesAt(w, place, append); },
        [&](WindowCodes w) { RulesAt(w.Classes(), kInside, append); });
    return CollectedList;
}

}  // namespace chgu
