// One line of the year-tables file, taken apart.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "yeartables/year_row.h"

namespace yeartables::detail {

// The pieces of a message, joined.
std::u16string Joined(std::initializer_list<std::u16string_view> pieces);

// Spaces, tabs, the ideographic space and a byte-order mark that a joined
// file left in the middle.
bool IsBlank(char16_t c);
std::u16string_view Trimmed(std::u16string_view text);

// Lines to skip: empty, blank, or a comment starting with "#".
bool IsIgnoredLine(std::u16string_view line);

// The row of a line that should hold expected_year, or what is wrong with it
// (a phrase for the user, in Chinese).
std::variant<YearRow, std::u16string> ReadYearLine(std::u16string_view line, int expected_year);

}  // namespace yeartables::detail
