// The command line of chgu-cli:
//
//   chgu-cli STATISTIC[,STATISTIC...] [--table-year T] [--change-date DATE]
//            [--save-change-date DATE] [--cumulative] [--no-brackets]
//            [--short-lines] [--format report|csv|json] [--pretty]
//            [--encoding utf-8|gbk] [--year-tables FILE] [FILE]
//   chgu-cli --save-change-date DATE
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "statistic_choice.h"

namespace chgu::cli {

using ::cli::Encoding;
using ::cli::Format;

struct CliOptions {
    // The Command2 buttons the statistics stand for, in the order given;
    // none when the run only saves a change date.
    std::vector<std::int16_t> statistics;
    std::optional<std::string> table_year;   // TableYear as given; else from a change date
    std::optional<std::string> change_date;  // Text3 for this run; else the stored one
    // Text3 to store as 更改 stores it, before the statistics run.
    std::optional<std::string> save_change_date;
    bool cumulative = false;              // Check2 "次数累加统计"
    bool skip_brackets = true;            // Check1 "方括内不统计"
    bool long_lines = true;               // Option2 "长行排列"
    Encoding encoding = Encoding::kUtf8;  // of the input and the report
    Format format = Format::kReport;
    bool pretty = false;
    std::optional<std::string> file;         // standard input when absent
    std::optional<std::string> year_tables;  // the file of --year-tables
};

struct ParsedCommandLine {
    using Outcome = ::cli::ParsedArguments::Outcome;
    Outcome outcome = Outcome::kError;
    CliOptions options;
    std::string error;  // one line, for kError
};

// arguments excludes the program name.
ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments);

// The tool as its usage text and its messages name it.
const ::cli::ToolDescription& Description();

}  // namespace chgu::cli
