// kova-cli: runs program A's statistics on a text and prints the reports the
// output box would show, or the counts behind them.
#include <optional>
#include <string>

#include "cli/tool_start.h"
#include "cli_options.h"
#include "platform/clock.h"
#include "run_statistic.h"
#include "table_year_choice.h"

int main(int argc, char** argv) {
    using namespace kova::cli;
    const auto run = ::cli::StartRun(argc, argv, Description(), ParseCommandLine);
    if (run.status) {
        return *run.status;
    }
    const std::string_view tool = Description().tool;
    const CliOptions& options = run.options;
    const kova::YearTables tables(run.years);
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
    return ::cli::Print(tool, output, year.notice);
}
