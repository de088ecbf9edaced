#include <optional>

#include "character_class.h"
#include "chgu/bracket_filter.h"
#include "chgu/class_words.h"
#include "chgu/lookups.h"
#include "chgu/scan.h"
#include "scan_window.h"

namespace chgu {

namespace {

using detail::Family;
using detail::kHead;
using detail::kSum;
using detail::kTail;
using detail::ScanWindow;

// The class word p1 followed by c (or by p2 p1 c) makes in words, if any.
std::optional<std::size_t> WordIndex(std::span<const std::u16string_view> words,
                                     std::initializer_list<char32_t> characters) {
    char16_t word[3] = {};
    std::size_t length = 0;
    for (const char32_t c : characters) {
        if (c == kNoCharacter) {
            return std::nullopt;
        }
        word[length++] = static_cast<char16_t>(c);
    }
    return IndexOfWord(words, std::u16string_view(word, length));
}

// The word checks, in their order; each appends its lookup's numbers.
void AppendWordNumbers(const ScanWindow& w, bool at_end, TableColumn column, NumberSink& sink) {
    if (w.c_class.family == Family::Animal) {
        sink.Append(NumbersOfAnimal(w.c_class.index, column));
    }
    if (w.c_class.family == Family::Element) {
        sink.Append(NumbersOfElement(w.c_class.index, column));
    }
    detail::ColoursAt(w, at_end, [&](std::size_t i) { sink.Append(NumbersOfColour(i)); });
    detail::ParitiesAt(w, [&](std::size_t i) { sink.Append(NumbersOfParity(i)); });
    detail::SizesAt(w, at_end, [&](std::size_t i) { sink.Append(NumbersOfSize(i)); });
    if (w.c_class.family == Family::Parity || w.c_class.family == Family::Size) {
        if (const auto compound = WordIndex(kCompoundWords, {w.p1, w.c})) {
            sink.Append(NumbersOfCompound(*compound));
        }
    }
    if (w.c == kHead) {
        if (const auto head = WordIndex(kHeadWords, {w.p1, w.c})) {
            sink.Append(NumbersOfHead(*head));
        }
    }
    if (w.c == kTail) {
        if (const auto tail = WordIndex(kTailWords, {w.p1, w.c})) {
            sink.Append(NumbersOfTail(*tail));
        }
    }
    if (w.c == kSum) {
        // "10合" to "13合" are read whole; any other digit before 合 alone.
        if (w.p2 == U'1' && w.p1 >= U'0' && w.p1 <= U'3') {
            sink.Append(NumbersOfDigitSum(*WordIndex(kDigitSumWords, {w.p2, w.p1, w.c})));
        } else if (const auto sum = WordIndex(kDigitSumWords, {w.p1, w.c})) {
            sink.Append(NumbersOfDigitSum(*sum));
        }
    }
}

// A candidate number of two characters; missing ones stay kNoCharacter.
struct Candidate {
    char32_t tens;
    char32_t units;
};

// The number written at position (counted from 1) of a text of length
// characters, read when the character after its digits is classified.
std::optional<int> NumberAt(const ScanWindow& w, std::size_t position, std::size_t length,
                            std::int64_t DigitRun) {
    if (detail::IsNumberStopper(w.c) || DigitRun >= 3) {
        return std::nullopt;
    }
    Candidate n{w.p2, w.p1};
    if (length == 2) {
        n = {w.p1, w.c};
    }
    if (length == 1) {
        n = {U'0', w.c};
    }
    if (w.p2 != kNoCharacter && !IsDigit(w.p2) && !IsDigit(w.c)) {
        n = {U'0', w.p1};
    }
    if (position == length && w.p1 != kNoCharacter) {
        if (IsDigit(w.p1) && IsDigit(w.c)) {
            n = {w.p1, w.c};
        } else if (!IsDigit(w.p1)) {
            n = {U'0', w.c};
        }
    }
    if (position == 2 && !IsDigit(w.c)) {
        n = {U'0', w.p1};
    }
    if (!IsDigit(n.tens) || !IsDigit(n.units)) {
        return std::nullopt;
    }
    const int number = DigitValue(n.tens) * 10 + DigitValue(n.units);
    if (number < kFirstNumber || number > kLastNumber) {
        return std::nullopt;
    }
    return number;
}

class CollectedListSink final : public NumberSink {
  public:
    void Append(NumberSet numbers) override { AppendNumberList(CollectedList, numbers); }

    std::u16string CollectedList;
};

}  // namespace

void CollectNumbers(std::u16string_view text, const ScanSettings& settings, std::int16_t& InBracket,
                    NumberSink& sink) {
    BracketFilter filter(settings.Check1, InBracket);
    const TableColumn column = TableColumnOf(settings.TableYear);
    ScanWindow w;
    std::int64_t DigitRun = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        w.Shift(filter(text[i]));
        DigitRun = IsDigit(w.c) ? DigitRun + 1 : 0;
        AppendWordNumbers(w, i + 1 == text.size(), column, sink);
        if (const auto number = NumberAt(w, i + 1, text.size(), DigitRun)) {
            sink.Append(NumberBit(*number));
        }
    }
}

std::u16string CollectNumbers(std::u16string_view text, const ScanSettings& settings,
                              std::int16_t& InBracket) {
    CollectedListSink sink;
    CollectNumbers(text, settings, InBracket, sink);
    return std::move(sink.CollectedList);
}

}  // namespace chgu
