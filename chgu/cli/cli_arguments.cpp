#include "cli_arguments.h"

#include <array>
#include <utility>

namespace chgu::cli {

namespace {

// In the order of the Command2 buttons: the place is the index.
constexpr std::array<::cli::StatisticName, 12> kStatistics = {{
    {"number", "码统计"},
    {"zodiac", "肖统计"},
    {"head", "头统计"},
    {"tail", "尾统计"},
    {"element", "行统计"},
    {"digitsum", "合统计"},
    {"wave", "波 色"},
    {"bigsmall", "大 小"},
    {"oddeven", "单 双"},
    {"sumoddeven", "合单双"},
    {"halfwave", "半 波"},
    {"normalise", "全转半", false},
}};

constexpr std::string_view kTableYear = "--table-year";
constexpr std::string_view kCumulative = "--cumulative";
constexpr std::string_view kNoBrackets = "--no-brackets";
constexpr std::string_view kShortLines = "--short-lines";

constexpr std::array<std::string_view, 1> kNumberOnly = {"number"};
// 全转半 only converts the text.
constexpr std::array<std::string_view, 11> kCountingStatistics = {
    "number", "zodiac",   "head",    "tail",       "element",  "digitsum",
    "wave",   "bigsmall", "oddeven", "sumoddeven", "halfwave",
};

constexpr std::array<::cli::ToolOption, 4> kOptions = {{
    {kTableYear, "T",
     "the table year as the window keeps it, any text:\n"
     "2005..2010 and the years of --year-tables have\n"
     "zodiac and element tables; with any other text\n"
     "animals and elements name no number. Default: from\n"
     "the stored change date and today's date",
     kNumberOnly},
    {kCumulative, "", "次数累加统计: digits before 次 weight what follows", kCountingStatistics},
    {kNoBrackets, "", "count text inside 【】 and 〖〗 too (方括内不统计 off)",
     kCountingStatistics},
    {kShortLines, "", "短行排列: number report lines of ten numbers", kNumberOnly},
}};

const ::cli::ToolDescription kDescription{
    .tool = "chgu-cli",
    .version = TIPSTAT_VERSION,
    .about =
        "Reads a tip text from FILE (or standard input) and prints the text of program\n"
        "B's output box after each statistic's button, every line followed by CR LF\n"
        "(\"共01次:\", a half-width colon), or the counts behind it.\n",
    .statistics = kStatistics,
    .options = kOptions,
    .year_tables_help =
        "the tables of the years after 2010 (YearTables.txt),\n"
        "read for every statistic",
};

}  // namespace

ParsedArguments ParseArguments(std::span<const std::string_view> arguments) {
    const ::cli::ParsedArguments parsed = ::cli::ParseArguments(kDescription, arguments);
    if (parsed.outcome != ::cli::ParsedArguments::Outcome::kRun) {
        return {parsed.outcome, {}, parsed.error};
    }
    ParsedArguments result;
    Options& options = result.options;
    for (const std::size_t statistic : parsed.common.statistics) {
        options.statistics.push_back(static_cast<std::int16_t>(statistic));
    }
    if (const auto year = parsed.values.find(kTableYear); year != parsed.values.end()) {
        options.table_year = year->second;
    }
    options.cumulative = parsed.flags.contains(kCumulative);
    options.skip_brackets = !parsed.flags.contains(kNoBrackets);
    options.long_lines = !parsed.flags.contains(kShortLines);
    options.encoding = parsed.common.encoding;
    options.format = parsed.common.format;
    options.pretty = parsed.common.pretty;
    options.file = parsed.common.file;
    options.year_tables = parsed.common.year_tables;
    return result;
}

std::span<const ::cli::StatisticName> StatisticNames() {
    return kStatistics;
}

const ::cli::ToolDescription& Description() {
    return kDescription;
}

}  // namespace chgu::cli
