// The tables of the years a file adds, as both programs look them up: the
// numbers of each animal and of each element in the year.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "yeartables/year_row.h"

namespace yeartables {

// Bit n is set when number n (1..49) belongs to the set.
using NumberBits = std::uint64_t;

struct YearNumberSets {
    int year = 0;
    // Index into kAnimalNames: the year's own animal, that of number 01.
    std::uint8_t animal = 0;
    std::array<NumberBits, kAnimalNames.size()> animals{};    // in the order of kAnimalNames
    std::array<NumberBits, kElementNames.size()> elements{};  // in the order of kElementNames
};

// The number sets of every year of the file, in its order: each number
// carries the animal one place back in the cycle from the number before it,
// and the element its row gives. The rows must be as the reader gives them:
// years from 2011 without gaps, animals and elements of their cycles
// (std::invalid_argument otherwise).
std::vector<YearNumberSets> NumberSetsOf(const FileYears& file);

}  // namespace yeartables
