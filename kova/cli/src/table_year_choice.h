// The year a run of kova-cli counts the number statistic with.
#pragma once

#include <optional>
#include <string>

#include "cli_options.h"
#include "kova/year_tables.h"

namespace kova::cli {

struct TableYearChoice {
    int year = 0;
    std::string error;  // a usage error, when --year names no year of the tables
    // For standard error, when the number statistic counts with an earlier
    // year than today's for want of its tables: a script must not take
    // those counts for this year's unknowingly.
    std::optional<std::string> notice;
};

// The year of --year, one of the years of the tables; without it today's
// year (today_year, on the local calendar), held within them as the
// window's year selector holds it.
TableYearChoice ChooseTableYear(const CliOptions& options, const YearTables& tables,
                                int today_year);

}  // namespace kova::cli
