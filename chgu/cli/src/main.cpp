// chgu-cli: program B's statistics on a file or standard input, printed
// exactly as the output box would hold them, or the counts behind them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/tool_io.h"
#include "cli/year_tables_option.h"
#include "cli_options.h"
#include "platform/codepage.h"
#include "platform/command_line.h"
#include "platform/program_folder.h"
#include "run_statistic.h"
#include "table_year_choice.h"

int main(int argc, char** argv) {
    using namespace chgu::cli;
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
    const chgu::YearTables tables(year_tables.years);
    const auto store = chgu::SystemChangeDateStore();
    if (!SaveChangeDate(options, *store)) {
        return ::cli::Fail(tool, kChangeDateNotSaved);
    }
    if (options.statistics.empty()) {
        return 0;
    }
    const TableYearChoice year = ChooseTableYear(options, tables, *store, chgu::LocalToday());

    std::string error;
    std::optional<std::string> input = ::cli::ReadWholeInput(options.file, error);
    if (!input) {
        return ::cli::Fail(tool, error);
    }
    const std::u16string text = DecodeInput(*input, options.encoding);
    input.reset();  // large inputs: keep only one copy of the text
    const int status = ::cli::Print(tool, ToolOutput(options, text, year.TableYear, tables));
    // After the report, so that an error stays the one line of a failed run.
    if (status == 0 && year.notice) {
        ::cli::Notify(tool, *year.notice);
    }
    return status;
}
