#include "cli/year_tables_option.h"

#include "platform/command_line.h"

namespace cli {

yeartables::LoadResult ReadYearTables(const std::optional<std::string>& option) {
    if (!option) {
        return {};
    }
    return yeartables::ReadYearTablesFile(platform::PathFromArgument(*option));
}

}  // namespace cli
