// The command line of kova-cli:
//
//   kova-cli STATISTIC[,STATISTIC...] [--year N] [--layout 1|2]
//            [--format report|csv|json] [--pretty] [--encoding utf-8|gbk]
//            [--year-tables FILE] [FILE]
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "kova/statistics.h"
#include "kova/year_tables.h"
#include "statistic_choice.h"

namespace kova::cli {

using ::cli::Encoding;
using ::cli::Format;

struct CliOptions {
    std::vector<std::size_t> statistics;  // into StatisticNames(), in the order given
    int year = 0;
    Arrangement arrangement = Arrangement::kWrapped;
    Encoding encoding = Encoding::kUtf8;
    Format format = Format::kReport;
    bool pretty = false;
    std::optional<std::string> file;  // standard input when absent
    YearTables tables;                // with the years of --year-tables
};

struct ParsedCommandLine {
    using Outcome = ::cli::ParsedArguments::Outcome;
    Outcome outcome = Outcome::kError;
    CliOptions options;
    std::string error;  // one line, for kError
};

// arguments excludes the program name. today_year is the local calendar
// year, the default of --year once held within the years of the tables.
// --year-tables is read here, as --year depends on it; its fault is the
// error.
ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments, int today_year);

// The tool as its usage text and its messages name it.
const ::cli::ToolDescription& Description();

}  // namespace kova::cli
