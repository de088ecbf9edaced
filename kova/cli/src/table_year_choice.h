// The year a run of kova-cli counts the number statistic with.
#pragma once

#include <string>

#include "cli_options.h"
#include "kova/year_tables.h"

namespace kova::cli {

struct TableYearChoice {
    int year = 0;
    std::string error;  // a usage error, when --year names no year of the tables
};

// The year of --year, one of the years of the tables; without it today's
// year (today_year, on the local calendar), held within them as the
// window's year selector holds it.
TableYearChoice ChooseTableYear(const CliOptions& options, const YearTables& tables,
                                int today_year);

}  // namespace kova::cli
