// The statistics chgu-cli runs, by the name given on its command line, one
// per button of the window's statistics strip.
#pragma once

#include <span>

#include "cli/arguments.h"

namespace chgu::cli {

// In the order of the Command2 buttons: a name's place is its button's
// Index, number (码统计) first and normalise (全转半) last.
std::span<const ::cli::StatisticName> StatisticNames();

}  // namespace chgu::cli
