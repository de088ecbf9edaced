// The command line both tools share:
//
//   TOOL STATISTIC[,STATISTIC...] [OPTION...] [FILE]
//
// read through CLI11, with one wording for every mistake and one usage text
// layout. A tool describes its statistics and its own options as data; the
// options of both tools (--format, --pretty, --encoding, --year-tables,
// --help, --version) are handled here.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/count_formats.h"

namespace cli {

// The input's encoding, and the report's: kUtf16 reads UTF-16 (little endian
// without a byte-order mark) and writes UTF-8.
enum class Encoding { kUtf8, kUtf16, kGbk };

// A statistic as the command line names it.
struct StatisticName {
    std::string_view name;    // "number"
    std::string_view button;  // its button's caption, for the usage text
    // False for an action that gives a text instead of counts: it has no
    // csv or json form and is not part of "all".
    bool has_counts = true;
};

// An option of one tool only.
struct ToolOption {
    std::string_view name;        // "--year"
    std::string_view value_name;  // "N"; empty for a flag
    std::string_view help;        // the usage text's lines, "\n" between them
    // The statistics it applies to; empty for all. Given for none of the
    // statistics of a run, it is an error.
    std::span<const std::string_view> applies_to;
    // Given, STATISTIC may be left out: the option is then the run's whole
    // work (storing a setting, say), and an option that applies to some
    // statistics only still needs one.
    bool stands_alone = false;
};

struct ToolDescription {
    std::string_view tool;     // "kova-cli"
    std::string_view version;  // the project's version
    std::string_view about;    // the usage text's paragraph, lines ending in "\n"
    std::span<const StatisticName> statistics;
    std::span<const ToolOption> options;
};

// What the command line asks for, apart from the tool's own options: the
// base of each tool's options.
struct CommonOptions {
    // Into ToolDescription::statistics, in the order given; none only when
    // an option that stands alone is given without STATISTIC.
    std::vector<std::size_t> statistics;
    Format format = Format::kReport;
    bool pretty = false;
    // --traditional: the characters of the vocabulary written in their
    // traditional forms count as the simplified ones (platform/traditional.h).
    bool traditional = false;
    Encoding encoding = Encoding::kUtf8;
    std::optional<std::string> year_tables;
    std::optional<std::string> file;  // standard input when absent (also for "-")
};

struct ParsedArguments {
    enum class Outcome { kRun, kHelp, kVersion, kError };
    Outcome outcome = Outcome::kError;
    CommonOptions common;
    std::map<std::string_view, std::string> values;  // the tool's options with a value, by name
    std::set<std::string_view> flags;                // the tool's flags given
    std::string error;                               // one line, for kError

    // The value of the tool's option of that name, if it was given.
    std::optional<std::string> ValueOf(std::string_view name) const;
};

// A tool's reading of its command line: its options (ToolOptions derives
// from CommonOptions), or the answer without a run.
template <typename ToolOptions>
struct ParsedCommandLine {
    using Outcome = ParsedArguments::Outcome;
    Outcome outcome = Outcome::kError;
    ToolOptions options;
    std::string error;  // one line, for kError
};

// arguments excludes the program name. --help or -h anywhere before "--"
// asks for help (before anything else is checked), then --version.
ParsedArguments ParseArguments(const ToolDescription& description,
                               std::span<const std::string_view> arguments);

// A mistake on the command line, as every usage error is worded: the
// message and the hint " (see --help)".
std::string UsageError(std::string_view message);

// "--layout must be 1 or 2, not '3' (see --help)".
std::string BadValue(std::string_view option, std::string_view allowed, std::string_view given);

// The text --help prints (UTF-8, LF line ends) and the one --version prints.
std::string UsageText(const ToolDescription& description);
std::string VersionText(const ToolDescription& description);

// For a command line that does not run: prints the usage text (kHelp), the
// version (kVersion) or the error (kError) and gives the exit status.
int AnswerWithoutRunning(const ToolDescription& description, ParsedArguments::Outcome outcome,
                         std::string_view error);

}  // namespace cli
