#include "cli/year_tables_option.h"

#include "platform/command_line.h"

namespace cli {

yeartables::LoadResult ReadYearTables(const std::optional<std::string>& option,
                                      const std::filesystem::path& tool_folder) {
    if (!option) {
        return yeartables::LoadYearTablesBeside(tool_folder);
    }
    return yeartables::ReadYearTablesFile(platform::PathFromArgument(*option));
}

}  // namespace cli
