// The zodiac and five-element tables of the table years 2005..2010.
#pragma once

#include <array>
#include <cstddef>

#include "chgu/number_list.h"

namespace chgu::detail {

inline constexpr std::size_t kTableYears = 6;

template <std::size_t Rows>
using YearlyTable = std::array<std::array<NumberSet, kTableYears>, Rows>;

// Rows follow kAnimalWords / kElementWords; columns are the table years
// 2005..2010.
const YearlyTable<12>& ZodiacTable();
const YearlyTable<5>& ElementTable();

}  // namespace chgu::detail
