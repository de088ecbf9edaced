// A worked example of either tool, run through the program in every format:
// the report exactly as written down, and the csv and json counts equal to
// what that report states, item by item in the report's order.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "count_reading.h"

namespace cli::test {

struct WorkedExample {
    std::vector<std::string> arguments;  // the statistic first
    std::string text;
    std::string report;                     // UTF-8, CR LF
    std::optional<std::string> table_year;  // as json gives it; nothing for null
    bool through_file = false;              // the text in a file named last, not on standard input
    bool gbk = false;                       // text and report in code page 936 (--encoding gbk)
};

// items: the statistic's items in the report's order; options: the json
// "options" the run must give.
void ExpectInEveryFormat(const std::string& program, const std::string& tool,
                         const WorkedExample& example, const std::vector<std::string>& items,
                         const std::vector<std::pair<std::string, bool>>& options);

// The (item, count) rows of a single statistic's csv.
ItemCounts CountsOfCsv(const std::string& csv);

}  // namespace cli::test
