// The scan of the number statistics: what a text names, before the year's
// tables turn the words into numbers. The scan itself does not depend on the
// year.
#pragma once

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "grouped_report.h"
#include "kova/tables.h"

namespace kova::detail {

// The number set a word stands for: an animal or an element (by year), or a
// year-independent class word.
struct WordMeaning {
    enum class Kind { kAnimal, kElement, kFixed };
    Kind kind;
    FixedClass family;  // for kFixed
    int index;          // 1-based in the class list
};

struct NumberTally {
    // Numbers written with digits, by number (slot 0 unused).
    std::array<Tally, kLastNumber + 1> written{};
    // How often each word meaning was found.
    std::vector<std::pair<WordMeaning, Tally>> words;
};

NumberTally ScanNumberText(std::string_view text);

}  // namespace kova::detail
