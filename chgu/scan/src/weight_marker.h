// The weight markers of cumulative counting: the digits directly before 次
// set how much every following item adds ("3次：鼠牛" counts 鼠 and 牛 three
// times each). Items before the first marker add 0; in normal mode every
// item adds 1.
#pragma once

#include <algorithm>
#include <cstdint>

#include "character_class.h"

namespace chgu::detail {

struct WeightMarker {
    explicit WeightMarker(bool cumulative_mode)
        : cumulative(cumulative_mode), Weight(cumulative_mode ? 0 : 1) {}

    // Runs at every position, on the class of the character there, before
    // anything there is classified.
    void Step(CharacterClass ch) {
        if (!cumulative) {
            return;
        }
        if (ch.Is(Family::Times) && DigitRun > 0) {
            Weight = run_value;
        }
        // Multiplied by 0 or 1 rather than branched on: digits and other
        // characters alternate too irregularly for branch prediction.
        const std::int64_t digit = ch.Is(Family::Digit) ? 1 : 0;
        DigitRun = (DigitRun + 1) * digit;
        run_value = std::min(run_value * 10 + ch.index, kMaxWeight) * digit;
    }

    // A marker worth more saturates here. Counters are 64-bit, so no sum of
    // weights over a text that fits in memory can overflow them.
    static constexpr std::int64_t kMaxWeight = 2147483647;

    bool cumulative;
    std::int64_t Weight;
    std::int64_t DigitRun = 0;
    std::int64_t run_value = 0;  // the value of the DigitRun digits just read
};

}  // namespace chgu::detail
