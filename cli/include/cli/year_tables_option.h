// The year tables after 2010 that a run of either tool counts with.
#pragma once

#include <optional>
#include <string>

#include "yeartables/year_tables_file.h"

namespace cli {

// The file of --year-tables (option, as given) read: its years, or the
// message of its fault. Without the option, no years and no fault.
yeartables::LoadResult ReadYearTables(const std::optional<std::string>& option);

}  // namespace cli
