// chgu-cli's path over a large UTF-8 file, step by step (see tool_path.h).
// Usage: chgu-path-bench CHGU-CLI FILE
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "chgu/statistics.h"
#include "cli/tool_io.h"
#include "cli_options.h"
#include "run_statistic.h"
#include "tool_path.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: chgu-path-bench CHGU-CLI FILE\n", stderr);
        return 2;
    }
    const std::string file = argv[2];
    // First, while this program holds little: the memory a program takes is
    // told with what it shared of this one's before it started.
    const bench::ProgramRun run =
        bench::RunProgram({argv[1], "number", "--table-year", "2008", file});
    const std::vector<std::string_view> arguments = {"number", "--table-year", "2008", file};
    const chgu::cli::CliOptions options = chgu::cli::ParseCommandLine(arguments).options;
    const chgu::YearTables& tables = chgu::YearTables::BuiltIn();
    const chgu::ScanSettings settings{u"2008", options.skip_brackets, options.cumulative, &tables};
    std::string error;
    std::size_t kept = 0;  // what each step gave, so that none is left out

    bench::PathSteps steps;
    steps.read = bench::BestSeconds(
        [&] { kept += ::cli::ReadInputAsGbk(file, ::cli::Encoding::kGbk, error)->size(); });
    const std::optional<std::u16string> text =
        ::cli::ReadInputAsUtf16(file, ::cli::Encoding::kUtf8, error);
    if (!text) {
        std::fprintf(stderr, "chgu-path-bench: %s\n", error.c_str());
        return 2;
    }
    steps.convert =
        bench::BestSeconds(
            [&] { kept += ::cli::ReadInputAsUtf16(file, ::cli::Encoding::kUtf8, error)->size(); }) -
        steps.read;
    steps.tally = bench::BestSeconds([&] {
        std::int16_t InBracket = 0;
        kept += chgu::NumberStatistics(*text, settings, InBracket)[1];
    });
    std::string output;
    steps.report = bench::BestSeconds(
                       [&] { output = chgu::cli::ToolOutput(options, *text, u"2008", tables); }) -
                   steps.tally;
    steps.write = bench::BestSeconds([&] { bench::WriteToNullDevice(output); });

    const bool ok =
        bench::PrintPath("chgu-cli number", std::filesystem::file_size(file), steps, run);
    return ok && kept != 0 ? 0 : 1;
}
