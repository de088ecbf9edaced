// The command line of chgu-cli:
//   chgu-cli STATISTIC [--table-year T] [--cumulative] [--no-brackets]
//            [--short-lines] [--encoding utf-8|gbk] [--year-tables FILE]
//            [FILE]
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace chgu::cli {

enum class Encoding { Utf8, Gbk };

struct Options {
    std::int16_t Index = 0;                 // the Command2 button the statistic stands for
    std::optional<std::string> table_year;  // TableYear as given; else from the change date
    bool cumulative = false;                // Check2 "次数累加统计"
    bool skip_brackets = true;              // Check1 "方括内不统计"
    bool long_lines = true;                 // Option2 "长行排列"
    Encoding encoding = Encoding::Utf8;     // of the input and the output
    std::optional<std::string> file;        // standard input when absent

    // The year-tables file (YearTables.txt) of the table years after 2010.
    std::optional<std::string> year_tables;
};

struct ParsedArguments {
    enum class Action { Run, ShowHelp, Fail };
    Action action = Action::Run;
    Options options;
    std::string error;  // one line, for Fail
};

// Reads the arguments that follow the program name.
ParsedArguments ParseArguments(std::span<const std::string_view> arguments);

std::string_view UsageText();

}  // namespace chgu::cli
