#include "cli_options.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "kova/tables.h"
#include "platform/codepage.h"
#include "platform/command_line.h"
#include "yeartables/year_tables_file.h"

namespace kova::cli {

namespace {

std::optional<int> ReadTableYear(std::string_view text, const YearTables& tables) {
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        year < tables.FirstYear() || year > tables.LastYear()) {
        return std::nullopt;
    }
    return year;
}

// Joins the pieces of a message.
std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

// Splits "--name=value" into name and value; other arguments have no value.
struct OptionArgument {
    std::string_view name;
    std::optional<std::string_view> value;
};

OptionArgument SplitOption(std::string_view argument) {
    const auto equals = argument.find('=');
    if (equals == std::string_view::npos) {
        return {argument, std::nullopt};
    }
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

ParsedCommandLine Failure(std::string message) {
    ParsedCommandLine parsed;
    parsed.outcome = ParsedCommandLine::Outcome::kError;
    parsed.error = std::move(message);
    return parsed;
}

}  // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments, int today_year) {
    const bool wants_help = std::any_of(arguments.begin(), arguments.end(), [](std::string_view a) {
        return a == "--help" || a == "-h";
    });
    if (wants_help) {
        return {ParsedCommandLine::Outcome::kHelp, {}, {}};
    }

    CliOptions options;
    std::optional<std::string_view> statistic_name;
    std::optional<std::string_view> year_text;
    std::optional<std::string_view> year_tables_file;
    bool options_ended = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const bool is_option = !options_ended && argument.size() > 1 && argument.starts_with("-");
        if (!is_option) {
            if (!statistic_name) {
                statistic_name = argument;
            } else if (!options.file) {
                options.file = std::string(argument);
            } else {
                return Failure(Joined({"more than one FILE given: '", argument, "'"}));
            }
            continue;
        }
        if (argument == "--") {
            options_ended = true;
            continue;
        }
        auto [name, value] = SplitOption(argument);
        if (name != "--year" && name != "--layout" && name != "--encoding" &&
            name != "--year-tables") {
            return Failure(Joined({"unknown option '", argument, "' (see --help)"}));
        }
        if (!value) {
            if (i + 1 == arguments.size()) {
                return Failure(Joined({name, " needs a value"}));
            }
            value = arguments[++i];
        }
        if (name == "--year") {
            // Checked once the year tables are known.
            year_text = *value;
        } else if (name == "--year-tables") {
            year_tables_file = *value;
        } else if (name == "--layout") {
            if (*value != "1" && *value != "2") {
                return Failure(Joined({"--layout must be 1 or 2, not '", *value, "'"}));
            }
            options.arrangement = *value == "1" ? Arrangement::kWrapped : Arrangement::kOneLine;
        } else {
            if (*value != "utf-8" && *value != "gbk") {
                return Failure(Joined({"--encoding must be utf-8 or gbk, not '", *value, "'"}));
            }
            options.encoding = *value == "utf-8" ? Encoding::kUtf8 : Encoding::kGbk;
        }
    }

    if (year_tables_file) {
        const yeartables::LoadResult loaded =
            yeartables::ReadYearTablesFile(platform::PathFromArgument(*year_tables_file));
        if (loaded.fault) {
            return Failure(platform::Utf16ToUtf8(*loaded.fault));
        }
        options.tables = YearTables(loaded.years);
    }
    if (year_text) {
        const std::optional<int> year = ReadTableYear(*year_text, options.tables);
        if (!year) {
            return Failure(Joined(
                {"--year must be a year from ", std::to_string(options.tables.FirstYear()), " to ",
                 std::to_string(options.tables.LastYear()), ", not '", *year_text, "'"}));
        }
        options.year = *year;
    }
    if (!statistic_name) {
        return Failure("no STATISTIC given (see --help)");
    }
    options.statistic = FindStatistic(*statistic_name);
    if (options.statistic == nullptr) {
        return Failure(Joined({"unknown statistic '", *statistic_name, "' (see --help)"}));
    }
    if (year_text && options.statistic->attribute_routine != nullptr) {
        return Failure(Joined({"--year applies only to the number statistic; ",
                               options.statistic->name, " takes no year"}));
    }
    if (!year_text) {
        // As the window's year selector: a year outside the tables is held
        // at the nearer end.
        options.year =
            std::clamp(today_year, options.tables.FirstYear(), options.tables.LastYear());
    }
    if (options.file == "-") {
        options.file.reset();
    }
    return {ParsedCommandLine::Outcome::kRun, std::move(options), {}};
}

std::string UsageText() {
    std::string text =
        "Usage: kova-cli STATISTIC [--year N] [--layout 1|2] [--encoding utf-8|gbk]\n"
        "                [--year-tables FILE] [FILE]\n"
        "\n"
        "Reads a tip text from FILE (or standard input, also when FILE is -) and prints\n"
        "the report of one statistic, exactly as the output box shows it: every line\n"
        "followed by CR LF.\n"
        "\n"
        "STATISTIC is one of:\n";
    for (const StatisticChoice& choice : StatisticChoices()) {
        text.append("  ").append(choice.name).append(12 - choice.name.size(), ' ');
        text.append(choice.button).append("\n");
    }
    text +=
        "\n"
        "Options:\n"
        "  --year N              table year of the number statistic, 2003..2010, or to\n"
        "                        the last year of --year-tables (default: this year,\n"
        "                        held within those years)\n"
        "  --layout 1|2          layout of the number report: 1, long groups go on over\n"
        "                        continuation lines (default); 2, each group on one line\n"
        "  --encoding utf-8|gbk  of the input and the report (default utf-8); with utf-8\n"
        "                        a character that code page 936 lacks counts as \"?\"\n"
        "  --year-tables FILE    the tables of the years after 2010 (YearTables.txt)\n"
        "  --help                show this text\n"
        "\n"
        "Errors print one line on standard error and exit with status 2.\n";
    return text;
}

}  // namespace kova::cli
