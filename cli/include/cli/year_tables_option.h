// The year tables after 2010 that a run of either tool counts with.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "yeartables/year_tables_file.h"

namespace cli {

// The file of --year-tables (option, as given) read: its years, or the
// message of its fault. Without the option, YearTables.txt in the tool's
// own folder (tool_folder, empty when it cannot be told) when it is there,
// as the windows read it beside their programs; otherwise no years and no
// fault.
yeartables::LoadResult ReadYearTables(const std::optional<std::string>& option,
                                      const std::filesystem::path& tool_folder);

}  // namespace cli
