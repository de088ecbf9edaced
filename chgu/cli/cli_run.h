// What chgu-cli does between reading its input and writing its output.
#pragma once

#include <string>
#include <string_view>

#include "chgu/change_date_store.h"
#include "chgu/table_year.h"
#include "chgu/year_tables.h"
#include "cli_arguments.h"
#include "yeartables/year_tables_file.h"

namespace chgu::cli {

// Input bytes to the text of the input box: UTF-8 (a malformed sequence
// becomes U+FFFD) or code page 936. Line breaks pass through as they are.
std::u16string DecodeInput(std::string_view bytes, Encoding encoding);

// The output box's text in the chosen encoding.
std::string EncodeOutput(std::u16string_view text, Encoding encoding);

// TableYear as --table-year gives it, or as the start-up sequence chooses it
// from the stored change date (the design date when none is stored).
std::u16string TableYearOf(const Options& options, const ChangeDateStore& store, CivilDate today);

// The file of --year-tables read: its years, or the message of its fault.
// Without the option, no years and no fault.
yeartables::LoadResult ReadYearTables(const Options& options);

// The text the output box holds after the statistic's button is pressed
// with text in the input box.
std::u16string OutputText(const Options& options, std::u16string_view text,
                          std::u16string_view TableYear);
// The same with the tables of a year-tables file in force.
std::u16string OutputText(const Options& options, std::u16string_view text,
                          std::u16string_view TableYear, const YearTables& tables);

}  // namespace chgu::cli
