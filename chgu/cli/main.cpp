// chgu-cli: program B's statistics on a file or standard input, printed
// exactly as the output box would hold them, or the counts behind them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chgu/change_date_store.h"
#include "cli/tool_io.h"
#include "cli_arguments.h"
#include "cli_run.h"
#include "platform/codepage.h"
#include "platform/command_line.h"

int main(int argc, char** argv) {
    using namespace chgu::cli;
    ::cli::UseBinaryStandardStreams();

    const std::vector<std::string> argument_texts = platform::CommandLineArguments(argc, argv);
    const std::vector<std::string_view> arguments(argument_texts.begin(), argument_texts.end());
    const ParsedArguments parsed = ParseArguments(arguments);
    if (parsed.outcome != ParsedArguments::Outcome::kRun) {
        return ::cli::AnswerWithoutRunning(Description(), parsed.outcome, parsed.error);
    }
    const std::string_view tool = Description().tool;
    const Options& options = parsed.options;
    const yeartables::LoadResult year_tables = ReadYearTables(options);
    if (year_tables.fault) {
        return ::cli::Fail(tool, platform::Utf16ToUtf8(*year_tables.fault));
    }
    const chgu::YearTables tables(year_tables.years);

    std::string error;
    std::optional<std::string> bytes = ::cli::ReadWholeInput(options.file, error);
    if (!bytes) {
        return ::cli::Fail(tool, error);
    }
    const std::u16string text = DecodeInput(*bytes, options.encoding);
    bytes.reset();  // large inputs: keep only one copy of the text

    const auto store = chgu::SystemChangeDateStore();
    const std::u16string TableYear = TableYearOf(options, *store, chgu::LocalToday());
    return ::cli::Print(tool, ToolOutput(options, text, TableYear, tables));
}
