#include "cli_arguments.h"

#include <array>
#include <utility>

namespace chgu::cli {

namespace {

struct StatisticName {
    std::string_view name;
    std::int16_t Index;
};

constexpr std::array<StatisticName, 12> kStatistics = {{
    {"number", 0},
    {"zodiac", 1},
    {"head", 2},
    {"tail", 3},
    {"element", 4},
    {"digitsum", 5},
    {"wave", 6},
    {"bigsmall", 7},
    {"oddeven", 8},
    {"sumoddeven", 9},
    {"halfwave", 10},
    {"normalise", 11},
}};

constexpr std::string_view kUsage =
    "usage: chgu-cli STATISTIC [--table-year T] [--cumulative] [--no-brackets]\n"
    "                [--short-lines] [--encoding utf-8|gbk] [--year-tables FILE]\n"
    "                [FILE]\n"
    "\n"
    "Runs one statistic of the input box on FILE (or standard input) and prints\n"
    "the text the output box would hold.\n"
    "\n"
    "STATISTIC: number (码统计), zodiac (肖统计), head (头统计), tail (尾统计),\n"
    "  element (行统计), digitsum (合统计), wave (波 色), bigsmall (大 小),\n"
    "  oddeven (单 双), sumoddeven (合单双), halfwave (半 波), normalise (全转半)\n"
    "\n"
    "  --table-year T  use the tables of year T (2005..2010, or to the last year\n"
    "                  of --year-tables); by default the year follows the stored\n"
    "                  change date and today's date\n"
    "  --cumulative    次数累加统计: digits before 次 weight what follows\n"
    "  --no-brackets   count text inside 【】 and 〖〗 too (方括内不统计 off)\n"
    "  --short-lines   短行排列: number report lines of ten numbers\n"
    "  --encoding E    utf-8 (default) or gbk, for input and output\n"
    "  --year-tables FILE\n"
    "                  the tables of the years after 2010 (YearTables.txt)\n"
    "  --help          show this text\n";

ParsedArguments Failure(std::string message) {
    ParsedArguments parsed;
    parsed.action = ParsedArguments::Action::Fail;
    parsed.error = std::move(message);
    return parsed;
}

std::optional<std::int16_t> IndexOfStatistic(std::string_view name) {
    for (const StatisticName& statistic : kStatistics) {
        if (statistic.name == name) {
            return statistic.Index;
        }
    }
    return std::nullopt;
}

std::optional<Encoding> EncodingNamed(std::string_view name) {
    if (name == "utf-8" || name == "utf8") {
        return Encoding::Utf8;
    }
    if (name == "gbk") {
        return Encoding::Gbk;
    }
    return std::nullopt;
}

}  // namespace

ParsedArguments ParseArguments(std::span<const std::string_view> arguments) {
    ParsedArguments parsed;
    Options& options = parsed.options;
    std::optional<std::string_view> statistic;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        // An option's value may follow it or be joined to it by "=".
        std::optional<std::string_view> joined_value;
        if (argument.starts_with("--")) {
            if (const std::size_t equals = argument.find('='); equals != std::string_view::npos) {
                joined_value = argument.substr(equals + 1);
                argument = argument.substr(0, equals);
            }
        }
        const auto value = [&]() -> std::optional<std::string_view> {
            if (joined_value) {
                return joined_value;
            }
            if (i + 1 < arguments.size()) {
                return arguments[++i];
            }
            return std::nullopt;
        };
        if (argument == "--help" || argument == "-h") {
            parsed.action = ParsedArguments::Action::ShowHelp;
            return parsed;
        }
        if (argument == "--table-year" || argument == "--encoding" || argument == "--year-tables") {
            const auto given = value();
            if (!given) {
                return Failure(std::string(argument) + " needs a value");
            }
            if (argument == "--table-year") {
                options.table_year = std::string(*given);
            } else if (argument == "--year-tables") {
                options.year_tables = std::string(*given);
            } else if (const auto encoding = EncodingNamed(*given)) {
                options.encoding = *encoding;
            } else {
                return Failure("unknown encoding '" + std::string(*given) + "' (utf-8 or gbk)");
            }
        } else if (joined_value) {
            return Failure(std::string(argument) + " takes no value");
        } else if (argument == "--cumulative") {
            options.cumulative = true;
        } else if (argument == "--no-brackets") {
            options.skip_brackets = false;
        } else if (argument == "--short-lines") {
            options.long_lines = false;
        } else if (argument.size() > 1 && argument.starts_with('-')) {
            return Failure("unknown option '" + std::string(argument) + "'");
        } else if (!statistic) {
            statistic = argument;
        } else if (!options.file) {
            options.file = std::string(argument);
        } else {
            return Failure("unexpected argument '" + std::string(argument) + "'");
        }
    }
    if (!statistic) {
        return Failure("no statistic given (try --help)");
    }
    const auto index = IndexOfStatistic(*statistic);
    if (!index) {
        return Failure("unknown statistic '" + std::string(*statistic) + "' (try --help)");
    }
    options.Index = *index;
    return parsed;
}

std::string_view UsageText() {
    return kUsage;
}

}  // namespace chgu::cli
