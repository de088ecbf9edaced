// The start that every run of either tool makes before its own steps.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/tool_io.h"
#include "cli/year_tables_option.h"
#include "platform/codepage.h"
#include "platform/command_line.h"
#include "platform/program_folder.h"

namespace cli {

template <typename ToolOptions>
struct StartedRun {
    std::optional<int> status;  // the exit status, when the run ends here
    ToolOptions options;
    yeartables::FileYears years;  // of the year tables after 2010
};

// Standard streams in binary; the command line read by parse, and answered
// when it asks for no run (help, version, a mistake); the year tables read
// (--year-tables, else YearTables.txt beside the tool), their fault being
// the run's error.
template <typename ToolOptions>
StartedRun<ToolOptions> StartRun(
    int argc, char** argv, const ToolDescription& description,
    ParsedCommandLine<ToolOptions> (*parse)(std::span<const std::string_view>)) {
    platform::UseBinaryStandardStreams();
    const std::vector<std::string> texts = platform::CommandLineArguments(argc, argv);
    const std::vector<std::string_view> arguments(texts.begin(), texts.end());
    ParsedCommandLine<ToolOptions> parsed = parse(arguments);
    if (parsed.outcome != ParsedArguments::Outcome::kRun) {
        return {AnswerWithoutRunning(description, parsed.outcome, parsed.error), {}, {}};
    }
    yeartables::LoadResult tables =
        ReadYearTables(parsed.options.year_tables, platform::ProgramFolder());
    if (tables.fault) {
        return {Fail(description.tool, platform::Utf16ToUtf8(*tables.fault)), {}, {}};
    }
    return {std::nullopt, std::move(parsed.options), std::move(tables.years)};
}

}  // namespace cli
