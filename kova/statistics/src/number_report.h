#pragma once

#include <array>

#include "grouped_report.h"
#include "kova/statistics.h"
#include "number_scan.h"

namespace kova::detail {

// Counts by number, slot 0 unused.
using NumberCounts = std::array<Tally, kHighestNumber + 1>;

// The lines of the number report: the numbers grouped by count, from the
// least named to the most named, each line ending in its count of numbers.
ReportLines WriteNumberReport(const NumberCounts& counts, Arrangement arrangement);

}  // namespace kova::detail
