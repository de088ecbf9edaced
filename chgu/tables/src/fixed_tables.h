// The families that do not change with the year, in the order of their
// class words.
#pragma once

#include <array>

#include "chgu/number_list.h"

namespace chgu::detail {

const std::array<NumberSet, 5>& HeadTable();
const std::array<NumberSet, 10>& TailTable();
const std::array<NumberSet, 3>& ColourTable();
const std::array<NumberSet, 13>& DigitSumTable();
const std::array<NumberSet, 2>& ParityTable();
const std::array<NumberSet, 2>& SizeTable();
const std::array<NumberSet, 14>& CompoundTable();

}  // namespace chgu::detail
