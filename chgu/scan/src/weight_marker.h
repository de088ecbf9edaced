// The weight markers of cumulative counting: the digits directly before 次
// set how much every following item adds ("3次：鼠牛" counts 鼠 and 牛 three
// times each). Items before the first marker add 0; in normal mode every
// item adds 1.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "character_class.h"
#include "chgu/class_words.h"

namespace chgu::detail {

struct WeightMarker {
    explicit WeightMarker(bool cumulative_mode)
        : cumulative(cumulative_mode), Weight(cumulative_mode ? 0 : 1) {}

    // Runs at every position i of text, on the class of the character there
    // as the scan reads it, before anything there is classified.
    void Step(CharacterClass ch, std::u16string_view text, std::size_t i) {
        if (cumulative && ch.Is(Family::Times)) {
            MarkAt(text, i);
        }
    }

    // At a 次 at position i. Its digits are read back from the text there
    // rather than kept up as the scan goes: a 次 is rare, and a running
    // value would make every position wait on the one before. Where the scan
    // reads through the bracket filter, a 次 it sees is outside brackets, and
    // so are the digits right before it.
    void MarkAt(std::u16string_view text, std::size_t i) {
        std::size_t first = i;
        while (first > 0 && IsDigit(text[first - 1])) {
            --first;
        }
        if (first < i) {
            Weight = ValueOfDigits(text.substr(first, i - first));
        }
    }

    // A marker worth more saturates here. Counters are 64-bit, so no sum of
    // weights over a text that fits in memory can overflow them.
    static constexpr std::int64_t kMaxWeight = 2147483647;

    // The digits' value, saturated at kMaxWeight digit by digit.
    static std::int64_t ValueOfDigits(std::u16string_view digits) {
        std::int64_t value = 0;
        for (const char16_t digit : digits) {
            value = std::min(value * 10 + DigitValue(digit), kMaxWeight);
        }
        return value;
    }

    bool cumulative;
    std::int64_t Weight;
};

}  // namespace chgu::detail
