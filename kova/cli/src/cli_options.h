// The command line of kova-cli:
//
//   kova-cli STATISTIC[,STATISTIC...] [--year N] [--layout 1|2]
//            [--format report|csv|json] [--pretty] [--encoding utf-8|utf-16|gbk]
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
#include "statistic_choice.h"

namespace kova::cli {

using ::cli::Encoding;
using ::cli::Format;

inline constexpr std::string_view kYear = "--year";

struct CliOptions : ::cli::CommonOptions {
    std::optional<std::string> year;  // as given; else this year
    Arrangement arrangement = Arrangement::kWrapped;
};

using ParsedCommandLine = ::cli::ParsedCommandLine<CliOptions>;

// arguments excludes the program name.
ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments);

// The tool as its usage text and its messages name it.
const ::cli::ToolDescription& Description();

}  // namespace kova::cli
