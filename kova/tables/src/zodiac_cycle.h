// Number 01 carries the year's own animal; number n carries the animal n - 1
// places before it in the cycle 鼠 牛 虎 .. 猪, counting backwards, so n and
// n + 12 always share an animal.
#pragma once

#include "kova/class_words.h"

namespace kova::detail {

// Both animals are 1-based into ZodiacNames.
constexpr int AnimalInCycle(int year_animal, int number) {
    constexpr int kCycleLength = static_cast<int>(ZodiacNames.size());
    const int places_back = (number - 1) % kCycleLength;
    return (year_animal - 1 - places_back + kCycleLength) % kCycleLength + 1;
}

}  // namespace kova::detail
