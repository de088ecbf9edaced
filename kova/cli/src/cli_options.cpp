#include "cli_options.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "kova/tables.h"

namespace kova::cli {

namespace {

std::optional<int> ReadTableYear(std::string_view text) {
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        year < kFirstYear || year > kLastYear) {
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
    bool year_given = false;
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
        if (name != "--year" && name != "--layout" && name != "--encoding") {
            return Failure(Joined({"unknown option '", argument, "' (see --help)"}));
        }
        if (!value) {
            if (i + 1 == arguments.size()) {
                return Failure(Joined({name, " needs a value"}));
            }
            value = arguments[++i];
        }
        if (name == "--year") {
            const std::optional<int> year = ReadTableYear(*value);
            if (!year) {
                return Failure(
                    Joined({"--year must be a year from 2003 to 2010, not '", *value, "'"}));
            }
            options.year = *year;
            year_given = true;
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

    if (!statistic_name) {
        return Failure("no STATISTIC given (see --help)");
    }
    options.statistic = FindStatistic(*statistic_name);
    if (options.statistic == nullptr) {
        return Failure(Joined({"unknown statistic '", *statistic_name, "' (see --help)"}));
    }
    if (year_given && options.statistic->attribute_routine != nullptr) {
        return Failure(Joined({"--year applies only to the number statistic; ",
                               options.statistic->name, " takes no year"}));
    }
    if (!year_given) {
        // As the window's year selector: a year outside the tables is held
        // at the nearer end.
        options.year = std::clamp(today_year, kFirstYear, kLastYear);
    }
    if (options.file == "-") {
        options.file.reset();
    }
    return {ParsedCommandLine::Outcome::kRun, std::move(options), {}};
}

std::string UsageText() {
    std::string text =
        "Usage: kova-cli STATISTIC [--year N] [--layout 1|2] [--encoding utf-8|gbk] [FILE]\n"
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
        "  --year N              table year of the number statistic, 2003..2010\n"
        "                        (default: this year, held within 2003..2010)\n"
        "  --layout 1|2          layout of the number report: 1, long groups go on over\n"
        "                        continuation lines (default); 2, each group on one line\n"
        "  --encoding utf-8|gbk  of the input and the report (default utf-8); with utf-8\n"
        "                        a character that code page 936 lacks counts as \"?\"\n"
        "  --help                show this text\n"
        "\n"
        "Errors print one line on standard error and exit with status 2.\n";
    return text;
}

}  // namespace kova::cli
