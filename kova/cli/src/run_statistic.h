#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/count_formats.h"
#include "cli_options.h"
#include "kova/year_tables.h"

namespace kova::cli {

// What each statistic of the run gives for a text in code page 936, with
// the number statistic counted in year by tables: its counts and its report
// (the text of the output box in the chosen encoding).
std::vector<::cli::StatisticOutput> RunStatistics(const CliOptions& options,
                                                  std::string_view gbk_text, int year,
                                                  const YearTables& tables);

// The bytes kova-cli prints for a text in code page 936, in the chosen
// format.
std::string ToolOutput(const CliOptions& options, std::string_view gbk_text, int year,
                       const YearTables& tables);

}  // namespace kova::cli
