// What chgu-cli does between reading its input and writing its output.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chgu/year_tables.h"
#include "cli/count_formats.h"
#include "cli_options.h"

namespace chgu::cli {

// The output box's text in the chosen encoding.
std::string EncodeOutput(std::u16string_view text, Encoding encoding);

// What each statistic of the run gives with text in the input box: the
// counts of its press and the text of the output box after it.
std::vector<::cli::StatisticOutput> RunStatistics(const CliOptions& options,
                                                  std::u16string_view text,
                                                  std::u16string_view TableYear,
                                                  const YearTables& tables);

// The bytes chgu-cli prints, in the chosen format.
std::string ToolOutput(const CliOptions& options, std::u16string_view text,
                       std::u16string_view TableYear, const YearTables& tables);

}  // namespace chgu::cli
