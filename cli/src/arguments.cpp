#include "cli/arguments.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>

namespace cli {

namespace {

constexpr std::string_view kFormat = "--format";
constexpr std::string_view kPretty = "--pretty";
constexpr std::string_view kEncoding = "--encoding";
constexpr std::string_view kYearTables = "--year-tables";
constexpr std::string_view kHelp = "--help";
constexpr std::string_view kVersion = "--version";
constexpr std::string_view kAll = "all";
constexpr std::string_view kEndOfOptions = "--";

struct NamedFormat {
    std::string_view name;
    Format format;
};
constexpr std::array<NamedFormat, 3> kFormats = {{
    {"report", Format::kReport},
    {"csv", Format::kCsv},
    {"json", Format::kJson},
}};

struct NamedEncoding {
    std::string_view name;
    Encoding encoding;
};
// "utf8" as many programs spell it.
constexpr std::array<NamedEncoding, 3> kEncodings = {{
    {"utf-8", Encoding::kUtf8},
    {"utf8", Encoding::kUtf8},
    {"gbk", Encoding::kGbk},
}};

// The options of both tools, for the usage text after the tool's own.
struct CommonOptionHelp {
    std::string_view name;
    std::string_view value_name;
    std::string_view help;
};
constexpr std::array<CommonOptionHelp, 5> kCommonHelp = {{
    {kFormat, "report|csv|json",
     "report (default): the report text; csv and json:\n"
     "the counts behind it, UTF-8 with LF line ends"},
    {kPretty, "", "json on several indented lines"},
    {kEncoding, "utf-8|gbk",
     "of the input and of the report text (default\n"
     "utf-8, also spelt utf8); csv and json are UTF-8"},
    {kHelp, "", "show this text"},
    {kVersion, "", "show the tool's name and version"},
}};

ParsedArguments Failure(std::string message) {
    ParsedArguments parsed;
    parsed.outcome = ParsedArguments::Outcome::kError;
    parsed.error = std::move(message);
    return parsed;
}

// The arguments where options may stand: those before "--".
std::span<const std::string_view> OptionPart(std::span<const std::string_view> arguments) {
    const auto end = std::find(arguments.begin(), arguments.end(), kEndOfOptions);
    return arguments.first(static_cast<std::size_t>(end - arguments.begin()));
}

bool Contains(std::span<const std::string_view> list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

// "--name=value" to "--name"; any other argument as it is.
std::string_view OptionName(std::string_view argument) {
    return argument.starts_with("--") ? argument.substr(0, argument.find('=')) : argument;
}

std::string Joined(std::span<const std::string_view> names, std::string_view between) {
    std::string text;
    for (std::string_view name : names) {
        if (!text.empty()) {
            text += between;
        }
        text += name;
    }
    return text;
}

// The statistics a STATISTIC argument names: one name, a list joined by
// commas, or "all" (every statistic with counts).
std::optional<std::vector<std::size_t>> SelectStatistics(std::span<const StatisticName> statistics,
                                                         std::string_view list,
                                                         std::string& error) {
    std::vector<std::size_t> selected;
    if (list == kAll) {
        for (std::size_t i = 0; i < statistics.size(); ++i) {
            if (statistics[i].has_counts) {
                selected.push_back(i);
            }
        }
        return selected;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view name =
            list.substr(start, comma == std::string_view::npos ? list.npos : comma - start);
        const auto found = std::find_if(statistics.begin(), statistics.end(),
                                        [name](const StatisticName& s) { return s.name == name; });
        std::string problem;
        if (name.empty()) {
            problem = "empty statistic in the list '" + std::string(list) + "'";
        } else if (name == kAll) {
            problem = "all stands alone, not in a list of statistics";
        } else if (found == statistics.end()) {
            problem = "unknown statistic '" + std::string(name) + "'";
        } else if (std::find(selected.begin(), selected.end(),
                             static_cast<std::size_t>(found - statistics.begin())) !=
                   selected.end()) {
            problem = "statistic '" + std::string(name) + "' named twice";
        }
        if (!problem.empty()) {
            error = UsageError(problem);
            return std::nullopt;
        }
        selected.push_back(static_cast<std::size_t>(found - statistics.begin()));
        if (comma == std::string_view::npos) {
            return selected;
        }
        start = comma + 1;
    }
}

// The option that applies to none of the statistics of the run, if any.
std::optional<std::string> OptionNotApplying(const ToolSpec& spec, const ParsedArguments& parsed) {
    std::vector<std::string_view> run;
    for (const std::size_t i : parsed.common.statistics) {
        run.push_back(spec.statistics[i].name);
    }
    for (const OptionSpec& option : spec.options) {
        const bool given =
            parsed.values.contains(option.name) || parsed.flags.contains(option.name);
        if (!given || option.applies_to.empty()) {
            continue;
        }
        const bool applies = std::any_of(run.begin(), run.end(), [&](std::string_view name) {
            return Contains(option.applies_to, name);
        });
        if (!applies) {
            return UsageError(std::string(option.name) + " does not apply to " + Joined(run, ","));
        }
    }
    if (parsed.common.pretty && parsed.common.format != Format::kJson) {
        return UsageError("--pretty applies only to --format json");
    }
    if (parsed.common.format != Format::kReport) {
        for (const std::size_t i : parsed.common.statistics) {
            if (!spec.statistics[i].has_counts) {
                const std::string_view format =
                    parsed.common.format == Format::kCsv ? "csv" : "json";
                return UsageError("--format " + std::string(format) + " does not apply to " +
                                  std::string(spec.statistics[i].name));
            }
        }
    }
    return std::nullopt;
}

template <typename Named>
auto FindNamed(std::span<const Named> table, std::string_view name) -> const Named* {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [name](const Named& entry) { return entry.name == name; });
    return found == table.end() ? nullptr : &*found;
}

// Appends "  --name VALUE   help" with the help's further lines under its
// first.
void AppendOptionHelp(std::string& text, std::string_view name, std::string_view value_name,
                      std::string_view help) {
    constexpr std::size_t kHelpColumn = 24;
    std::string head = "  " + std::string(name);
    if (!value_name.empty()) {
        head.append(" ").append(value_name);
    }
    text += head;
    if (head.size() + 2 > kHelpColumn) {
        text.append("\n").append(kHelpColumn, ' ');
    } else {
        text.append(kHelpColumn - head.size(), ' ');
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = help.find('\n', start);
        text.append(help.substr(start, end == help.npos ? help.npos : end - start)).append("\n");
        if (end == help.npos) {
            break;
        }
        text.append(kHelpColumn, ' ');
        start = end + 1;
    }
}

}  // namespace

ParsedArguments ParseArguments(const ToolSpec& spec, std::span<const std::string_view> arguments) {
    const std::span<const std::string_view> options = OptionPart(arguments);
    if (Contains(options, kHelp) || Contains(options, "-h")) {
        return {ParsedArguments::Outcome::kHelp, {}, {}, {}, {}};
    }
    if (Contains(options, kVersion)) {
        return {ParsedArguments::Outcome::kVersion, {}, {}, {}, {}};
    }

    std::vector<std::string_view> value_names{kFormat, kEncoding, kYearTables};
    std::vector<std::string_view> flag_names{kPretty, kHelp, kVersion};
    for (const OptionSpec& option : spec.options) {
        (option.value_name.empty() ? flag_names : value_names).push_back(option.name);
    }
    // CLI11 takes "--flag=value" as a value for the flag; here a flag is a
    // flag.
    for (std::string_view argument : options) {
        if (argument.find('=') != argument.npos && Contains(flag_names, OptionName(argument))) {
            return Failure(UsageError(std::string(OptionName(argument)) + " takes no value"));
        }
    }

    CLI::App app;
    app.set_help_flag();
    // Options start with "-" on every system: CLI11 would read "/name" as an
    // option on Windows, and a file given as /work/tips.txt (under Wine) with
    // it.
    app.allow_windows_style_options(false);
    // Unknown options and extra arguments are collected and worded below.
    app.allow_extras();
    std::map<std::string_view, std::string> values;
    std::map<std::string_view, CLI::Option*> value_options;
    for (std::string_view name : value_names) {
        value_options[name] = app.add_option(std::string(name), values[name]);
    }
    std::map<std::string_view, CLI::Option*> flag_options;
    for (std::string_view name : flag_names) {
        flag_options[name] = app.add_flag(std::string(name));
    }
    std::string statistic_list;
    std::string file;
    CLI::Option* statistic_option = app.add_option("STATISTIC", statistic_list);
    CLI::Option* file_option = app.add_option("FILE", file);

    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(std::move(reversed));
    } catch (const CLI::ArgumentMismatch& mismatch) {
        for (const auto& [name, option] : value_options) {
            if (option->count() > 1) {
                return Failure(UsageError(std::string(name) + " given more than once"));
            }
        }
        // An option at the end, or "--name=" with nothing after it: CLI11
        // takes any next argument as the value.
        for (std::string_view argument : options) {
            if (argument.ends_with("=") && value_options.contains(OptionName(argument))) {
                return Failure(UsageError(std::string(OptionName(argument)) + " needs a value"));
            }
        }
        if (!options.empty() && value_options.contains(options.back())) {
            return Failure(UsageError(std::string(options.back()) + " needs a value"));
        }
        return Failure(UsageError(mismatch.what()));
    } catch (const CLI::ParseError& error) {
        return Failure(UsageError(error.what()));
    }

    bool options_ended = false;
    for (const std::string& extra : app.remaining()) {
        if (extra == kEndOfOptions && !options_ended) {
            options_ended = true;
            continue;
        }
        if (!options_ended && extra.size() > 1 && extra.starts_with('-')) {
            return Failure(UsageError("unknown option '" + std::string(OptionName(extra)) + "'"));
        }
        return Failure(UsageError("unexpected argument '" + extra + "'"));
    }
    if (statistic_option->count() == 0) {
        return Failure(UsageError("no STATISTIC given"));
    }

    ParsedArguments parsed;
    parsed.outcome = ParsedArguments::Outcome::kRun;
    CommonOptions& common = parsed.common;
    std::string error;
    const auto selected = SelectStatistics(spec.statistics, statistic_list, error);
    if (!selected) {
        return Failure(error);
    }
    common.statistics = *selected;
    if (value_options[kFormat]->count() > 0) {
        const NamedFormat* format = FindNamed<NamedFormat>(kFormats, values[kFormat]);
        if (format == nullptr) {
            return Failure(BadValue(kFormat, "report, csv or json", values[kFormat]));
        }
        common.format = format->format;
    }
    if (value_options[kEncoding]->count() > 0) {
        const NamedEncoding* encoding = FindNamed<NamedEncoding>(kEncodings, values[kEncoding]);
        if (encoding == nullptr) {
            return Failure(BadValue(kEncoding, "utf-8 or gbk", values[kEncoding]));
        }
        common.encoding = encoding->encoding;
    }
    common.pretty = flag_options[kPretty]->count() > 0;
    if (value_options[kYearTables]->count() > 0) {
        common.year_tables = values[kYearTables];
    }
    if (file_option->count() > 0 && file != "-") {
        common.file = file;
    }
    for (const OptionSpec& option : spec.options) {
        if (option.value_name.empty()) {
            if (flag_options[option.name]->count() > 0) {
                parsed.flags.insert(option.name);
            }
        } else if (value_options[option.name]->count() > 0) {
            parsed.values[option.name] = values[option.name];
        }
    }
    if (auto not_applying = OptionNotApplying(spec, parsed)) {
        return Failure(std::move(*not_applying));
    }
    return parsed;
}

std::string UsageError(std::string_view message) {
    return std::string(message) + " (see --help)";
}

std::string BadValue(std::string_view option, std::string_view allowed, std::string_view given) {
    return UsageError(std::string(option) + " must be " + std::string(allowed) + ", not '" +
                      std::string(given) + "'");
}

std::string UsageText(const ToolSpec& spec) {
    std::string text =
        "Usage: " + std::string(spec.tool) + " STATISTIC[,STATISTIC...] [OPTION...] [FILE]\n\n";
    text += spec.about;
    text +=
        "\n"
        "STATISTIC is one of these, several joined by commas (each printed in turn,\n"
        "the input read once), or all:\n";
    constexpr std::size_t kButtonColumn = 14;
    for (const StatisticName& statistic : spec.statistics) {
        text.append("  ").append(statistic.name);
        text.append(kButtonColumn - 2 - std::min(statistic.name.size(), kButtonColumn - 3), ' ');
        text.append(statistic.button);
        if (!statistic.has_counts) {
            text += "  (its text only: no csv or json, not in all)";
        }
        text += "\n";
    }
    text += "\nOptions:\n";
    for (const OptionSpec& option : spec.options) {
        AppendOptionHelp(text, option.name, option.value_name, option.help);
    }
    AppendOptionHelp(text, kYearTables, "FILE", spec.year_tables_help);
    for (const CommonOptionHelp& option : kCommonHelp) {
        AppendOptionHelp(text, option.name, option.value_name, option.help);
    }
    text +=
        "\n"
        "FILE is read whole; without it, or when it is -, standard input. After --\n"
        "every argument is a STATISTIC or FILE, also one that starts with -. An option\n"
        "that applies to none of the statistics given is an error.\n"
        "Errors print one line on standard error and exit with status 2.\n";
    return text;
}

std::string VersionText(const ToolSpec& spec) {
    return std::string(spec.tool) + " " + std::string(spec.version) + "\n";
}

}  // namespace cli
