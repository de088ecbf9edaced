#include "cli_options.h"

#include <array>

namespace chgu::cli {

namespace {

constexpr std::string_view kTableYear = "--table-year";
constexpr std::string_view kChangeDate = "--change-date";
constexpr std::string_view kSaveChangeDate = "--save-change-date";
constexpr std::string_view kCumulative = "--cumulative";
constexpr std::string_view kNoBrackets = "--no-brackets";
constexpr std::string_view kShortLines = "--short-lines";

constexpr std::array<std::string_view, 1> kNumberOnly = {"number"};
// 全转半 only converts the text.
constexpr std::array<std::string_view, 11> kCountingStatistics = {
    "number", "zodiac",   "head",    "tail",       "element",  "digitsum",
    "wave",   "bigsmall", "oddeven", "sumoddeven", "halfwave",
};

constexpr std::array<::cli::ToolOption, 6> kOptions = {{
    {kTableYear, "T",
     "the table year as the window keeps it, any text:\n"
     "2005..2010 and the years of --year-tables have\n"
     "zodiac and element tables; with any other text\n"
     "animals and elements name no number. Default: from\n"
     "the change date and today's date",
     kNumberOnly},
    {kChangeDate, "DATE",
     "the change date (更改肖行日期) for this run, as\n"
     "2026年02月17日 (default: the stored one, or\n"
     "2006年01月29日 when none is stored)",
     kNumberOnly},
    {kSaveChangeDate,
     "DATE",
     "stores the change date as 更改 does, for later runs\n"
     "and the window; without STATISTIC it only stores it",
     {},
     true},
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
    .statistics = StatisticNames(),
    .options = kOptions,
};

}  // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments) {
    const ::cli::ParsedArguments parsed = ::cli::ParseArguments(kDescription, arguments);
    if (parsed.outcome != ::cli::ParsedArguments::Outcome::kRun) {
        return {parsed.outcome, {}, parsed.error};
    }
    CliOptions options;
    static_cast<::cli::CommonOptions&>(options) = parsed.common;
    options.table_year = parsed.ValueOf(kTableYear);
    options.change_date = parsed.ValueOf(kChangeDate);
    options.save_change_date = parsed.ValueOf(kSaveChangeDate);
    options.cumulative = parsed.flags.contains(kCumulative);
    options.skip_brackets = !parsed.flags.contains(kNoBrackets);
    options.long_lines = !parsed.flags.contains(kShortLines);
    return {ParsedCommandLine::Outcome::kRun, std::move(options), {}};
}

const ::cli::ToolDescription& Description() {
    return kDescription;
}

}  // namespace chgu::cli
