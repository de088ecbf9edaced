// Helpers for reading reports in the tests: texts in UTF-8 for the eye, and
// the counts a report states, read back from its lines.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "kova/statistics.h"

namespace kova::test {

// A UTF-8 test text as the input box holds it (code page 936).
std::string Gbk(std::string_view utf8);

// The report as UTF-8 lines joined by "\n".
std::string Utf8Lines(const ReportLines& lines);

// What a report says: for every item (a number "07" or a class word in
// UTF-8), the count of the group it stands in. A key seen twice is recorded
// under "duplicate:" + key.
using StatedCounts = std::map<std::string, long long>;

// Reads a number report; also checks that every line ends in its own
// "（N码）" count, and records a mismatch under "bad line count".
StatedCounts ReadNumberReport(const ReportLines& lines);

// The sum of the "（N码）" counts at the ends of a number report's lines.
long long SumOfLineCounts(const ReportLines& lines);

// Reads an attribute report (the title line is skipped).
StatedCounts ReadAttributeReport(const ReportLines& lines);

}  // namespace kova::test
