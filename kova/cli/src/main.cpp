// kova-cli: runs program A's statistics on a text and prints the reports the
// output box would show, or the counts behind them.
#include <optional>
#include <string>

#include "cli/tool_io.h"
#include "cli/tool_start.h"
#include "cli_options.h"
#include "platform/clock.h"
#include "run_statistic.h"
#include "table_year_choice.h"

namespace {

int Run(int argc, char** argv) {
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
    const std::optional<std::string> text =
        ::cli::ReadInputAsGbk(options.file, options.encoding, error);
    if (!text) {
        return ::cli::Fail(tool, error);
    }
    return ::cli::Print(tool, ToolOutput(options, *text, year.year, tables), year.notice);
}

}  // namespace

int main(int argc, char** argv) {
    return ::cli::RunCatchingExhaustion(kova::cli::Description().tool,
                                        [&] { return Run(argc, argv); });
}
