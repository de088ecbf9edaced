// kova-cli's path over a large UTF-8 file, step by step (see tool_path.h).
// Usage: kova-path-bench KOVA-CLI FILE
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cli/tool_io.h"
#include "cli_options.h"
#include "kova/statistics.h"
#include "run_statistic.h"
#include "tool_path.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: kova-path-bench KOVA-CLI FILE\n", stderr);
        return 2;
    }
    const std::string file = argv[2];
    // First, while this program holds little: the memory a program takes is
    // told with what it shared of this one's before it started.
    const bench::ProgramRun run = bench::RunProgram({argv[1], "number", "--year", "2010", file});
    const std::vector<std::string_view> arguments = {"number", "--year", "2010", file};
    const kova::cli::CliOptions options = kova::cli::ParseCommandLine(arguments).options;
    const kova::YearTables tables;
    std::string error;
    std::size_t kept = 0;  // what each step gave, so that none is left out

    bench::PathSteps steps;
    steps.read = bench::BestSeconds(
        [&] { kept += ::cli::ReadInputAsGbk(file, ::cli::Encoding::kGbk, error)->size(); });
    const std::optional<std::string> text =
        ::cli::ReadInputAsGbk(file, ::cli::Encoding::kUtf8, error);
    if (!text) {
        std::fprintf(stderr, "kova-path-bench: %s\n", error.c_str());
        return 2;
    }
    steps.convert = bench::BestSeconds([&] {
                        kept += ::cli::ReadInputAsGbk(file, ::cli::Encoding::kUtf8, error)->size();
                    }) -
                    steps.read;
    steps.tally = bench::BestSeconds([&] { kept += kova::CountNumbers(*text, 2010, tables)[1]; });
    std::string output;
    steps.report =
        bench::BestSeconds([&] { output = kova::cli::ToolOutput(options, *text, 2010, tables); }) -
        steps.tally;
    steps.write = bench::BestSeconds([&] { bench::WriteToNullDevice(output); });

    const bool ok =
        bench::PrintPath("kova-cli number", std::filesystem::file_size(file), steps, run);
    return ok && kept != 0 ? 0 : 1;
}
