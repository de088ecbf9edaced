#include "cli/arguments.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>

#include "common_options.h"
#include "statistic_list.h"

namespace cli {

namespace {

using namespace detail;

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
// "utf8" and "utf16" as many programs spell them.
constexpr std::array<NamedEncoding, 5> kEncodings = {{
    {"utf-8", Encoding::kUtf8},
    {"utf8", Encoding::kUtf8},
    {"utf-16", Encoding::kUtf16},
    {"utf16", Encoding::kUtf16},
    {"gbk", Encoding::kGbk},
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

// The option that applies to none of the statistics of the run, if any.
std::optional<std::string> OptionNotApplying(const ToolDescription& description,
                                             const ParsedArguments& parsed) {
    std::vector<std::string_view> run;
    for (const std::size_t i : parsed.common.statistics) {
        run.push_back(description.statistics[i].name);
    }
    for (const ToolOption& option : description.options) {
        const bool given =
            parsed.values.contains(option.name) || parsed.flags.contains(option.name);
        if (!given || option.applies_to.empty()) {
            continue;
        }
        const bool applies = std::any_of(run.begin(), run.end(), [&](std::string_view name) {
            return Contains(option.applies_to, name);
        });
        if (!applies) {
            return UsageError(run.empty() ? std::string("no STATISTIC given")
                                          : std::string(option.name) + " does not apply to " +
                                                Joined(run, ","));
        }
    }
    if (parsed.common.pretty && parsed.common.format != Format::kJson) {
        return UsageError("--pretty applies only to --format json");
    }
    if (parsed.common.format != Format::kReport) {
        for (const std::size_t i : parsed.common.statistics) {
            if (!description.statistics[i].has_counts) {
                const std::string_view format =
                    parsed.common.format == Format::kCsv ? "csv" : "json";
                return UsageError("--format " + std::string(format) + " does not apply to " +
                                  std::string(description.statistics[i].name));
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

// What the command line gives in CLI11's reading: the options given, with
// their values, the flags given, and the two arguments.
struct Given {
    std::map<std::string_view, std::string> values;
    std::set<std::string_view> flags;
    std::optional<std::string> statistics;
    std::optional<std::string> file;
};

// The first argument that CLI11 left over, as its mistake: an unknown option
// before "--" (which CLI11 leaves among them when it was given), an argument
// with no place after it or anywhere else.
std::string Leftover(const std::vector<std::string>& remaining) {
    const bool after_end = remaining.front() == kEndOfOptions;
    const std::string& extra = remaining.at(after_end ? 1 : 0);
    if (!after_end && extra.size() > 1 && extra.starts_with('-')) {
        return "unknown option '" + std::string(OptionName(extra)) + "'";
    }
    return "unexpected argument '" + extra + "'";
}

// Reads the arguments by the grammar of the named options; on a mistake,
// nothing, and error holds its usage error.
std::optional<Given> ReadThroughCli11(std::span<const std::string_view> value_names,
                                      std::span<const std::string_view> flag_names,
                                      std::span<const std::string_view> arguments,
                                      std::string& error) {
    const auto fail = [&error](const std::string& message) {
        error = UsageError(message);
        return std::nullopt;
    };
    // CLI11 takes "--flag=true" and "--flag=" for the flag; here a flag
    // takes no value at all.
    for (std::string_view argument : OptionPart(arguments)) {
        if (argument.find('=') != argument.npos && Contains(flag_names, OptionName(argument))) {
            return fail(std::string(OptionName(argument)) + " takes no value");
        }
    }

    CLI::App app;
    app.set_help_flag();
    // Options start with "-" on every system: CLI11 would read "/name" as an
    // option on Windows, and a file given as /work/tips.txt (under Wine) with
    // it.
    app.allow_windows_style_options(false);
    Given given;
    std::map<std::string_view, CLI::Option*> options;
    for (std::string_view name : value_names) {
        options[name] = app.add_option(std::string(name), given.values[name]);
    }
    for (std::string_view name : flag_names) {
        options[name] = app.add_flag(std::string(name));
    }
    std::string statistics;
    std::string file;
    CLI::Option* statistics_option = app.add_option("STATISTIC", statistics);
    CLI::Option* file_option = app.add_option("FILE", file);

    std::vector<std::string> argv{"tool"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<const char*> pointers;
    for (const std::string& argument : argv) {
        pointers.push_back(argument.c_str());
    }
    try {
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::ExtrasError&) {
        return fail(Leftover(app.remaining()));
    } catch (const CLI::ArgumentMismatch&) {
        // An option given twice, or else the last argument an option whose
        // value never came.
        for (std::string_view name : value_names) {
            if (options[name]->count() > 1) {
                return fail(std::string(name) + " given more than once");
            }
        }
        return fail(std::string(OptionName(arguments.back())) + " needs a value");
    } catch (const CLI::ParseError& parse_error) {
        return fail(parse_error.what());
    }

    for (const auto& [name, option] : options) {
        if (option->count() == 0) {
            given.values.erase(name);
        } else if (Contains(flag_names, name)) {
            given.flags.insert(name);
        }
    }
    if (statistics_option->count() > 0) {
        given.statistics = statistics;
    }
    if (file_option->count() > 0) {
        given.file = file;
    }
    return given;
}

}  // namespace

ParsedArguments ParseArguments(const ToolDescription& description,
                               std::span<const std::string_view> arguments) {
    const std::span<const std::string_view> options = OptionPart(arguments);
    if (Contains(options, kHelp) || Contains(options, "-h")) {
        return {ParsedArguments::Outcome::kHelp, {}, {}, {}, {}};
    }
    if (Contains(options, kVersion)) {
        return {ParsedArguments::Outcome::kVersion, {}, {}, {}, {}};
    }

    std::vector<std::string_view> value_names{kFormat, kEncoding, kYearTables};
    std::vector<std::string_view> flag_names{kPretty, kTraditional, kHelp, kVersion};
    for (const ToolOption& option : description.options) {
        (option.value_name.empty() ? flag_names : value_names).push_back(option.name);
    }
    std::string error;
    const std::optional<Given> given = ReadThroughCli11(value_names, flag_names, arguments, error);
    if (!given) {
        return Failure(error);
    }
    const bool stands_alone = std::any_of(
        description.options.begin(), description.options.end(), [&](const ToolOption& option) {
            return option.stands_alone && given->values.contains(option.name);
        });
    if (!given->statistics && !stands_alone) {
        return Failure(UsageError("no STATISTIC given"));
    }

    ParsedArguments parsed;
    parsed.outcome = ParsedArguments::Outcome::kRun;
    CommonOptions& common = parsed.common;
    if (given->statistics) {
        const auto selected = SelectStatistics(description.statistics, *given->statistics, error);
        if (!selected) {
            return Failure(error);
        }
        common.statistics = *selected;
    }
    if (const auto format = given->values.find(kFormat); format != given->values.end()) {
        const NamedFormat* named = FindNamed<NamedFormat>(kFormats, format->second);
        if (named == nullptr) {
            return Failure(BadValue(kFormat, "report, csv or json", format->second));
        }
        common.format = named->format;
    }
    if (const auto encoding = given->values.find(kEncoding); encoding != given->values.end()) {
        const NamedEncoding* named = FindNamed<NamedEncoding>(kEncodings, encoding->second);
        if (named == nullptr) {
            return Failure(BadValue(kEncoding, "utf-8, utf-16 or gbk", encoding->second));
        }
        common.encoding = named->encoding;
    }
    common.pretty = given->flags.contains(kPretty);
    common.traditional = given->flags.contains(kTraditional);
    if (const auto year_tables = given->values.find(kYearTables);
        year_tables != given->values.end()) {
        common.year_tables = year_tables->second;
    }
    if (given->file && *given->file != "-") {
        common.file = given->file;
    }
    for (const ToolOption& option : description.options) {
        if (const auto value = given->values.find(option.name); value != given->values.end()) {
            parsed.values[option.name] = value->second;
        }
        if (given->flags.contains(option.name)) {
            parsed.flags.insert(option.name);
        }
    }
    if (auto not_applying = OptionNotApplying(description, parsed)) {
        return Failure(std::move(*not_applying));
    }
    return parsed;
}

std::optional<std::string> ParsedArguments::ValueOf(std::string_view name) const {
    const auto value = values.find(name);
    return value == values.end() ? std::nullopt : std::optional(value->second);
}

std::string UsageError(std::string_view message) {
    return std::string(message) + " (see --help)";
}

std::string BadValue(std::string_view option, std::string_view allowed, std::string_view given) {
    return UsageError(std::string(option) + " must be " + std::string(allowed) + ", not '" +
                      std::string(given) + "'");
}

}  // namespace cli
