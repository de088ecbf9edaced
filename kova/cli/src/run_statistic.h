#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/count_formats.h"
#include "cli_options.h"
#include "kova/year_tables.h"

namespace kova::cli {

// What each statistic of the run gives for an input, with the number
// statistic counted in year by tables: its counts and its report (the text
// of the output box in the chosen encoding). With UTF-8
// the input is decoded and converted to code page 936 first; a leading
// byte-order mark is not part of the text. The input is converted once for
// all the statistics.
std::vector<::cli::StatisticOutput> RunStatistics(const CliOptions& options, std::string_view input,
                                                  int year, const YearTables& tables);

// The bytes kova-cli prints for an input, in the chosen format.
std::string ToolOutput(const CliOptions& options, std::string_view input, int year,
                       const YearTables& tables);

}  // namespace kova::cli
