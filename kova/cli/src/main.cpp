// kova-cli: runs program A's statistics on a text and prints the reports the
// output box would show, or the counts behind them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/tool_io.h"
#include "cli/year_tables_option.h"
#include "cli_options.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/command_line.h"
#include "platform/program_folder.h"
#include "run_statistic.h"
#include "table_year_choice.h"

int main(int argc, char** argv) {
    using namespace kova::cli;
    ::cli::UseBinaryStandardStreams();

    const std::vector<std::string> argument_texts = platform::CommandLineArguments(argc, argv);
    const std::vector<std::string_view> arguments(argument_texts.begin(), argument_texts.end());
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (parsed.outcome != ParsedCommandLine::Outcome::kRun) {
        return ::cli::AnswerWithoutRunning(Description(), parsed.outcome, parsed.error);
    }
    const std::string_view tool = Description().tool;
    const CliOptions& options = parsed.options;

    const yeartables::LoadResult year_tables =
        ::cli::ReadYearTables(options.year_tables, platform::ProgramFolder());
    if (year_tables.fault) {
        return ::cli::Fail(tool, platform::Utf16ToUtf8(*year_tables.fault));
    }
    const kova::YearTables tables(year_tables.years);
    const TableYearChoice year = ChooseTableYear(options, tables, platform::LocalDateToday().year);
    if (!year.error.empty()) {
        return ::cli::Fail(tool, year.error);
    }

    std::string error;
    std::optional<std::string> input = ::cli::ReadWholeInput(options.file, error);
    if (!input) {
        return ::cli::Fail(tool, error);
    }
    const std::string output = ToolOutput(options, *input, year.year, tables);
    input.reset();
    const int status = ::cli::Print(tool, output);
    // After the report, so that an error stays the one line of a failed run.
    if (status == 0 && year.notice) {
        ::cli::Notify(tool, *year.notice);
    }
    return status;
}
