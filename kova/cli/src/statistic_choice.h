// The statistics kova-cli runs, by the name given on its command line: the
// rows of program A's statistics table, one per statistics button of the
// window.
#pragma once

#include <span>

#include "cli/arguments.h"

namespace kova::cli {

// In the order of the table: a name's place is its row's.
std::span<const ::cli::StatisticName> StatisticNames();

}  // namespace kova::cli
