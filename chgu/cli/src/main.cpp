// chgu-cli: program B's statistics on a file or standard input, printed
// exactly as the output box would hold them, or the counts behind them.
#include <optional>
#include <string>

#include "chgu/change_date_store.h"
#include "cli/tool_io.h"
#include "cli/tool_start.h"
#include "cli_options.h"
#include "run_statistic.h"
#include "table_year_choice.h"

namespace {

int Run(int argc, char** argv) {
    using namespace chgu::cli;
    const auto run = ::cli::StartRun(argc, argv, Description(), ParseCommandLine);
    if (run.status) {
        return *run.status;
    }
    const std::string_view tool = Description().tool;
    const CliOptions& options = run.options;
    const chgu::YearTables tables(run.years);
    const auto store = chgu::SystemChangeDateStore();
    if (!SaveChangeDate(options, *store)) {
        return ::cli::Fail(tool, kCannotSaveChangeDate);
    }
    if (options.statistics.empty()) {
        return 0;
    }
    const TableYearChoice year =
        ChooseTableYear(options, tables, *store, platform::LocalDateToday());

    std::string error;
    const std::optional<std::u16string> text =
        ::cli::ReadInputAsUtf16(options.file, options.encoding, error);
    if (!text) {
        return ::cli::Fail(tool, error);
    }
    return ::cli::Print(tool, ToolOutput(options, *text, year.TableYear, tables), year.notice);
}

}  // namespace

int main(int argc, char** argv) {
    return ::cli::RunCatchingExhaustion(chgu::cli::Description().tool,
                                        [&] { return Run(argc, argv); });
}
