// YearTables.txt: the zodiac and element tables of the years after 2010, one
// line per year, which a user can read and extend in Notepad:
//
//   2026|马|金:04 05 12 13 26 27 34 35 42 43|木:...|水:...|火:...|土:...
//
// the year, the animal of number 01, then the numbers of each of the five
// elements (in any order). Numbers are separated by spaces or commas; the
// full-width forms of "|" and ":" are read as well. Empty lines and lines
// starting with "#" are ignored. The years run without gaps from 2011; every
// number 01..49 stands in exactly one element list.
//
// Both programs read the file with this one reader. A file with a fault is
// not used at all: the result names the file, the line and what is wrong, in
// one message for the user.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "yeartables/year_row.h"

namespace yeartables {

inline constexpr char kYearTablesFileName[] = "YearTables.txt";

struct LoadResult {
    FileYears years;                      // none when there is a fault
    std::optional<std::u16string> fault;  // the message to show the user

    // A window reads its file once at start and tells the fault once it
    // shows: the message the first time, nothing after or when there is none.
    std::optional<std::u16string> TakeFault() { return std::exchange(fault, std::nullopt); }
};

// The years of a file's text; file_name is how the message names the file.
LoadResult ParseYearTables(std::u16string_view text, std::u16string_view file_name);

// Reads a file in whatever encoding Notepad saved it (as Define.txt is
// read). A file that cannot be read is a fault.
LoadResult ReadYearTablesFile(const std::filesystem::path& file);

// YearTables.txt in folder; no years and no fault when there is none, or
// when the folder is empty (not known).
LoadResult LoadYearTablesBeside(const std::filesystem::path& folder);

// The line of the file for a row, without a line end.
std::u16string FormatYearLine(const YearRow& row);

}  // namespace yeartables
