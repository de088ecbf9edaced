// kova-cli: runs program A's statistics on a text and prints the reports the
// output box would show, or the counts behind them.
#include <string>
#include <string_view>
#include <vector>

#include "cli/tool_io.h"
#include "cli_options.h"
#include "platform/clock.h"
#include "platform/command_line.h"
#include "run_statistic.h"

int main(int argc, char** argv) {
    using namespace kova::cli;
    ::cli::UseBinaryStandardStreams();

    const std::vector<std::string> argument_texts = platform::CommandLineArguments(argc, argv);
    const std::vector<std::string_view> arguments(argument_texts.begin(), argument_texts.end());
    const ParsedCommandLine parsed = ParseCommandLine(arguments, platform::LocalDateToday().year);
    if (parsed.outcome != ParsedCommandLine::Outcome::kRun) {
        return ::cli::AnswerWithoutRunning(Description(), parsed.outcome, parsed.error);
    }
    const std::string_view tool = Description().tool;

    std::string error;
    std::optional<std::string> input = ::cli::ReadWholeInput(parsed.options.file, error);
    if (!input) {
        return ::cli::Fail(tool, error);
    }
    const std::string output = ToolOutput(parsed.options, *input);
    input.reset();
    return ::cli::Print(tool, output);
}
