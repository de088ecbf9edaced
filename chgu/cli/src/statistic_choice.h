// The statistics chgu-cli runs, by the name given on its command line: the
// rows of program B's statistics table, then normalise (全转半), the
// buttons of the window's statistics strip.
#pragma once

#include <cstddef>
#include <span>

#include "chgu/statistics.h"
#include "cli/arguments.h"

namespace chgu::cli {

// The rows of the table in their order, then normalise.
std::span<const ::cli::StatisticName> StatisticNames();

// The row of a name's place; nothing for normalise.
const Statistic* StatisticOf(std::size_t statistic);

// Whether the statistic of a name's place reads the zodiac and element
// tables: only the number recognition does, and not in cumulative mode.
bool ReadsTheTables(std::size_t statistic, bool cumulative);

}  // namespace chgu::cli
