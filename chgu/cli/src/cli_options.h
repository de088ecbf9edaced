// The command line of chgu-cli:
//
//   chgu-cli STATISTIC[,STATISTIC...] [--table-year T] [--change-date DATE]
//            [--save-change-date DATE] [--cumulative] [--no-brackets]
//            [--short-lines] [--format report|csv|json] [--pretty]
//            [--encoding utf-8|utf-16|gbk] [--year-tables FILE] [FILE]
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

// The statistics are the Command2 buttons they stand for, a name's place
// being its button's Index; none when the run only saves a change date.
struct CliOptions : ::cli::CommonOptions {
    std::optional<std::string> table_year;   // TableYear as given; else from a change date
    std::optional<std::string> change_date;  // Text3 for this run; else the stored one
    // Text3 to store as 更改 stores it, before the statistics run.
    std::optional<std::string> save_change_date;
    bool cumulative = false;    // Check2 "次数累加统计"
    bool skip_brackets = true;  // Check1 "方括内不统计"
    bool long_lines = true;     // Option2 "长行排列"
};

using ParsedCommandLine = ::cli::ParsedCommandLine<CliOptions>;

// arguments excludes the program name.
ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments);

// The tool as its usage text and its messages name it.
const ::cli::ToolDescription& Description();

}  // namespace chgu::cli
