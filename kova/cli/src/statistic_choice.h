// The statistics kova-cli runs, by the name given on its command line, one
// per statistics button of the window.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "cli/arguments.h"
#include "kova/statistics.h"

namespace kova::cli {

// In the order of the window's buttons: number first, then the ten
// attribute statistics.
std::span<const ::cli::StatisticName> StatisticNames();

// The attribute statistic of a name's index; nothing for number.
std::optional<AttributeStatistic> AttributeOf(std::size_t statistic);

}  // namespace kova::cli
