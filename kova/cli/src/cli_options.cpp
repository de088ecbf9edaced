#include "cli_options.h"

#include <array>

namespace kova::cli {

namespace {

using ::cli::ParsedArguments;

constexpr std::string_view kLayout = "--layout";

constexpr std::array<std::string_view, 1> kNumberOnly = {"number"};

constexpr std::array<::cli::ToolOption, 2> kOptions = {{
    {kYear, "N",
     "table year of the number statistic, 2003..2010, or to\n"
     "the last year of the year tables (default: this year,\n"
     "held within those years)",
     kNumberOnly},
    {kLayout, "1|2",
     "layout of the number report: 1, long groups go on over\n"
     "continuation lines (default); 2, each group on one line",
     kNumberOnly},
}};

const ::cli::ToolDescription kDescription{
    .tool = "kova-cli",
    .version = TIPSTAT_VERSION,
    .about =
        "Reads a tip text from FILE (or standard input) and prints the report of each\n"
        "statistic exactly as program A's output box shows it, every line followed by\n"
        "CR LF (\"共01次：\", a full-width colon), or the counts behind it. With\n"
        "UTF-8 a character that code page 936 lacks counts as \"?\".\n",
    .statistics = StatisticNames(),
    .options = kOptions,
};

}  // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments) {
    const ParsedArguments parsed = ::cli::ParseArguments(kDescription, arguments);
    if (parsed.outcome != ParsedArguments::Outcome::kRun) {
        return {parsed.outcome, {}, parsed.error};
    }

    CliOptions options;
    static_cast<::cli::CommonOptions&>(options) = parsed.common;
    if (const auto layout = parsed.values.find(kLayout); layout != parsed.values.end()) {
        if (layout->second != "1" && layout->second != "2") {
            return {ParsedCommandLine::Outcome::kError,
                    {},
                    ::cli::BadValue(kLayout, "1 or 2", layout->second)};
        }
        options.arrangement = layout->second == "1" ? Arrangement::kWrapped : Arrangement::kOneLine;
    }
    options.year = parsed.ValueOf(kYear);
    return {ParsedCommandLine::Outcome::kRun, std::move(options), {}};
}

const ::cli::ToolDescription& Description() {
    return kDescription;
}

}  // namespace kova::cli
