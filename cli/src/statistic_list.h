// The STATISTIC argument: which of a tool's statistics it names.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"

namespace cli::detail {

// The statistics a STATISTIC argument names, in the order given: one name,
// a list joined by commas, or "all" (every statistic with counts). On a
// mistake, nothing, and error is set to its usage error.
std::optional<std::vector<std::size_t>> SelectStatistics(std::span<const StatisticName> statistics,
                                                         std::string_view list, std::string& error);

}  // namespace cli::detail
