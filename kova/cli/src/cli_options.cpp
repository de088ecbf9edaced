#include "cli_options.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "platform/codepage.h"
#include "platform/command_line.h"
#include "yeartables/year_tables_file.h"

namespace kova::cli {

namespace {

using ::cli::ParsedArguments;

constexpr std::string_view kYear = "--year";
constexpr std::string_view kLayout = "--layout";

constexpr std::array<std::string_view, 1> kNumberOnly = {"number"};

constexpr std::array<::cli::ToolOption, 2> kOptions = {{
    {kYear, "N",
     "table year of the number statistic, 2003..2010, or to\n"
     "the last year of --year-tables (default: this year,\n"
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
    .year_tables_help =
        "the tables of the years after 2010 (YearTables.txt),\n"
        "read for every statistic",
};

std::optional<int> ReadTableYear(std::string_view text, const YearTables& tables) {
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        year < tables.FirstYear() || year > tables.LastYear()) {
        return std::nullopt;
    }
    return year;
}

ParsedCommandLine Failure(std::string message) {
    ParsedCommandLine parsed;
    parsed.outcome = ParsedCommandLine::Outcome::kError;
    parsed.error = std::move(message);
    return parsed;
}

}  // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments, int today_year) {
    const ParsedArguments parsed = ::cli::ParseArguments(kDescription, arguments);
    if (parsed.outcome != ParsedArguments::Outcome::kRun) {
        return {parsed.outcome, {}, parsed.error};
    }

    CliOptions options;
    options.statistics = parsed.common.statistics;
    options.encoding = parsed.common.encoding;
    options.format = parsed.common.format;
    options.pretty = parsed.common.pretty;
    options.file = parsed.common.file;
    if (const auto layout = parsed.values.find(kLayout); layout != parsed.values.end()) {
        if (layout->second != "1" && layout->second != "2") {
            return Failure(::cli::BadValue(kLayout, "1 or 2", layout->second));
        }
        options.arrangement = layout->second == "1" ? Arrangement::kWrapped : Arrangement::kOneLine;
    }
    if (parsed.common.year_tables) {
        const yeartables::LoadResult loaded =
            yeartables::ReadYearTablesFile(platform::PathFromArgument(*parsed.common.year_tables));
        if (loaded.fault) {
            return Failure(platform::Utf16ToUtf8(*loaded.fault));
        }
        options.tables = YearTables(loaded.years);
    }
    if (const auto year_text = parsed.values.find(kYear); year_text != parsed.values.end()) {
        const std::optional<int> year = ReadTableYear(year_text->second, options.tables);
        if (!year) {
            return Failure(::cli::BadValue(kYear,
                                           "a year from " +
                                               std::to_string(options.tables.FirstYear()) + " to " +
                                               std::to_string(options.tables.LastYear()),
                                           year_text->second));
        }
        options.year = *year;
    } else {
        // As the window's year selector: a year outside the tables is held
        // at the nearer end.
        options.year =
            std::clamp(today_year, options.tables.FirstYear(), options.tables.LastYear());
    }
    return {ParsedCommandLine::Outcome::kRun, std::move(options), {}};
}

const ::cli::ToolDescription& Description() {
    return kDescription;
}

}  // namespace kova::cli
