// The table year a run of chgu-cli counts with.
#pragma once

#include <string>

#include "chgu/change_date_store.h"
#include "chgu/table_year.h"
#include "cli_options.h"

namespace chgu::cli {

// TableYear as --table-year gives it, or as the start-up sequence chooses it
// from the stored change date (the design date when none is stored) and
// today's date.
std::u16string ChooseTableYear(const CliOptions& options, const ChangeDateStore& store,
                               CivilDate today);

}  // namespace chgu::cli
