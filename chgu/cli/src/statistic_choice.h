// The statistics chgu-cli runs, by the name given on its command line, one
// per button of the window's statistics strip.
#pragma once

#include <cstdint>
#include <span>

#include "cli/arguments.h"

namespace chgu::cli {

// In the order of the Command2 buttons: a name's place is its button's
// Index, number (码统计) first and normalise (全转半) last.
std::span<const ::cli::StatisticName> StatisticNames();

// Whether the press of Index reads the zodiac and element tables: only the
// number recognition does, and not in cumulative mode, which counts written
// numbers alone.
bool ReadsTheTables(std::int16_t Index, bool cumulative);

}  // namespace chgu::cli
