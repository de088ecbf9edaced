// The table year a run of chgu-cli counts with, from the change date as the
// window's start-up takes it, and the change date stored as 更改 stores it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chgu/change_date_store.h"
#include "chgu/table_year.h"
#include "chgu/year_tables.h"
#include "cli_options.h"

namespace chgu::cli {

struct TableYearChoice {
    std::u16string TableYear;
    // For standard error, when the number statistic counts with a table year
    // that was not given and may not be the one meant (no change date
    // stored, or a year without tables): a script must not take those
    // counts for this year's unknowingly.
    std::optional<std::string> notice;
};

// TableYear as --table-year gives it, or as the start-up sequence chooses it
// from the change date (--change-date, else the stored one, else the design
// date) and today's date.
TableYearChoice ChooseTableYear(const CliOptions& options, const YearTables& tables,
                                const ChangeDateStore& store, platform::LocalDate today);

// Stores the date of --save-change-date as 更改 does, ahead of the choice
// above: false when the store does not read it back, so that the next run
// would not count with it.
bool SaveChangeDate(const CliOptions& options, ChangeDateStore& store);

inline constexpr std::string_view kCannotSaveChangeDate = "cannot save the change date";

}  // namespace chgu::cli
