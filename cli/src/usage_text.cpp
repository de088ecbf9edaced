// The usage text of both tools: one layout, the tool's statistics and own
// options first, then the options they share.
#include <algorithm>
#include <array>

#include "cli/arguments.h"
#include "cli/tool_io.h"
#include "common_options.h"

namespace cli {

namespace {

using namespace detail;

// The options of both tools, for the usage text after the tool's own.
struct CommonOptionHelp {
    std::string_view name;
    std::string_view value_name;
    std::string_view help;
};
constexpr std::array<CommonOptionHelp, 7> kCommonHelp = {{
    {kYearTables, "FILE",
     "the tables of the years after 2010, read for every\n"
     "statistic (default: YearTables.txt beside the tool)"},
    {kFormat, "report|csv|json",
     "report (default): the report text; csv and json:\n"
     "the counts behind it, UTF-8 with LF line ends"},
    {kPretty, "", "json on several indented lines"},
    {kTraditional, "",
     "count the traditional forms of the vocabulary as the\n"
     "simplified ones (龍 as 龙, 馬 as 马, 單 as 单, 號 as 号, ...:\n"
     "14 characters); normalise writes them simplified"},
    {kEncoding, "utf-8|utf-16|gbk",
     "of the input and of the report text (default\n"
     "utf-8, also spelt utf8); csv and json are UTF-8;\n"
     "utf-16 input gives a UTF-8 report, and input that\n"
     "starts with a UTF-16 byte-order mark is UTF-16"},
    {kHelp, "", "show this text"},
    {kVersion, "", "show the tool's name and version"},
}};

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

std::string UsageText(const ToolDescription& description) {
    std::string text = "Usage: " + std::string(description.tool) +
                       " STATISTIC[,STATISTIC...] [OPTION...] [FILE]\n\n";
    text += description.about;
    text +=
        "\n"
        "STATISTIC is one of these, several joined by commas (each printed in turn,\n"
        "the input read once), or all:\n";
    constexpr std::size_t kButtonColumn = 14;
    for (const StatisticName& statistic : description.statistics) {
        text.append("  ").append(statistic.name);
        text.append(kButtonColumn - 2 - std::min(statistic.name.size(), kButtonColumn - 3), ' ');
        text.append(statistic.button);
        if (!statistic.has_counts) {
            text += "  (its text only: no csv or json, not in all)";
        }
        text += "\n";
    }
    text += "\nOptions:\n";
    for (const ToolOption& option : description.options) {
        AppendOptionHelp(text, option.name, option.value_name, option.help);
    }
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

std::string VersionText(const ToolDescription& description) {
    return std::string(description.tool) + " " + std::string(description.version) + "\n";
}

int AnswerWithoutRunning(const ToolDescription& description, ParsedArguments::Outcome outcome,
                         std::string_view error) {
    switch (outcome) {
        case ParsedArguments::Outcome::kHelp:
            return Print(description.tool, UsageText(description));
        case ParsedArguments::Outcome::kVersion:
            return Print(description.tool, VersionText(description));
        case ParsedArguments::Outcome::kError:
        case ParsedArguments::Outcome::kRun:
            break;
    }
    return Fail(description.tool, error);
}

}  // namespace cli
