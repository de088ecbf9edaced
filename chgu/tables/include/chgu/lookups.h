// The nine lookups: an attribute word to the numbers that carry it.
//
// Each family comes in two forms. The word form is what the window knows: a
// word, compared exactly (no trimming, no case or width folding), to its
// number list, or "" for any other word. The index form serves the scans,
// which already know which class word they hold: the index of the word in
// its list in class_words.h to the set of its numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chgu/number_list.h"

namespace chgu {

// A column of the zodiac and element tables, as YearTables::ColumnOf
// (year_tables.h) gives it for a TableYear: 0..5 are the built-in years
// 2005..2010, the lookups here know those only; nothing for a table year
// without tables.
using TableColumn = std::optional<std::size_t>;

// The leading number of a text: leading blanks skipped, an optional sign and
// the digits after it; 0 when there are none. Saturates instead of wrapping.
std::int64_t LeadingNumber(std::u16string_view text);

std::u16string Xiao(std::u16string_view word, std::u16string_view TableYear);
std::u16string WX(std::u16string_view word, std::u16string_view TableYear);
std::u16string Tou(std::u16string_view word);
std::u16string Wei(std::u16string_view word);
std::u16string Bo(std::u16string_view word);
std::u16string He(std::u16string_view word);
std::u16string Sd(std::u16string_view word);
std::u16string Bs(std::u16string_view word);
std::u16string Sz(std::u16string_view word);

NumberSet NumbersOfAnimal(std::size_t animal, TableColumn column);
NumberSet NumbersOfElement(std::size_t element, TableColumn column);
NumberSet NumbersOfHead(std::size_t head);
NumberSet NumbersOfTail(std::size_t tail);
NumberSet NumbersOfColour(std::size_t colour);
NumberSet NumbersOfDigitSum(std::size_t digit_sum);  // index 0 is "1合"
NumberSet NumbersOfParity(std::size_t parity);
NumberSet NumbersOfSize(std::size_t size);
NumberSet NumbersOfCompound(std::size_t compound);

}  // namespace chgu
