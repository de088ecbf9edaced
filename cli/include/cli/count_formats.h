// The three forms the command-line tools print a run in: the report text of
// the output box, or the counts behind it as CSV or JSON for scripts.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli {

enum class Format { kReport, kCsv, kJson };

struct ItemCount {
    std::string item;  // a number ("05") or a class word, UTF-8
    std::int64_t count = 0;
};

// What one statistic of a run gives.
struct StatisticOutput {
    std::string_view tool;       // "kova-cli"
    std::string_view statistic;  // as the command line names it
    // The table year the counts were made with; nothing where no table
    // shaped them.
    std::optional<std::string> table_year;
    // The settings that shaped the counts, by name.
    std::vector<std::pair<std::string_view, bool>> options;
    // In the report's own order: 01..49, or the class list.
    std::vector<ItemCount> counts;
    // The output box's text, in the output encoding.
    std::string report;
};

// The statistics of a run in one of the forms:
// - report: the reports in turn, an empty line between two (as a user
//   would paste them one after another);
// - csv: UTF-8, LF line ends, RFC 4180 quoting; a header line, then one line
//   per item: "item,count", or "statistic,item,count" for several
//   statistics;
// - json: UTF-8, one object per statistic (an array of them for several),
//   on one line or, with pretty, indented; ends in LF.
std::string FormattedOutput(std::span<const StatisticOutput> outputs, Format format, bool pretty);

// One CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

// A JSON string literal of UTF-8 text.
std::string JsonString(std::string_view text);

}  // namespace cli
