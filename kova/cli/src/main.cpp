// kova-cli: runs one of program A's statistics on a text and prints the
// report the output box would show.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "binary_io.h"
#include "cli_options.h"
#include "platform/clock.h"
#include "platform/command_line.h"
#include "run_statistic.h"

namespace {

constexpr int kUsageError = 2;

int Fail(const std::string& message) {
    std::fprintf(stderr, "kova-cli: %s\n", message.c_str());
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kova::cli;
    UseBinaryStandardStreams();

    const std::vector<std::string> argument_texts = platform::CommandLineArguments(argc, argv);
    const std::vector<std::string_view> arguments(argument_texts.begin(), argument_texts.end());
    const ParsedCommandLine parsed = ParseCommandLine(arguments, platform::LocalDateToday().year);
    if (parsed.outcome == ParsedCommandLine::Outcome::kHelp) {
        return WriteStandardOutput(UsageText()) ? 0 : Fail("cannot write standard output");
    }
    if (parsed.outcome == ParsedCommandLine::Outcome::kError) {
        return Fail(parsed.error);
    }

    std::string error;
    std::optional<std::string> input = ReadWholeInput(parsed.options.file, error);
    if (!input) {
        return Fail(error);
    }
    const std::string output = RunStatistic(parsed.options, *input);
    input.reset();
    if (!WriteStandardOutput(output)) {
        return Fail("cannot write standard output");
    }
    return 0;
}
