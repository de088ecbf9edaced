// The table year: which year's zodiac and element tables are in force,
// chosen from the change date in Text3 and today's date.
#pragma once

#include <string>
#include <string_view>

#include "platform/clock.h"

namespace chgu {

// Text3's design text, the change date shown until one is stored.
inline constexpr std::u16string_view kDesignChangeDate = u"2006年01月29日";

// The TableYear that the change date text3 (in the form 2006年01月29日) gives
// on the day today. Before the change date the year has not turned yet and
// the result is the year of text3 less one; from the change date on it is
// characters 1..4 of text3 as they stand. A text that does not hold a valid
// date counts as a date already passed.
std::u16string TableYearFromChangeDate(std::u16string_view text3, platform::LocalDate today);

}  // namespace chgu
