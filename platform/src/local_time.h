// The system's local calendar date of a moment.
#pragma once

#include <ctime>

#include "platform/clock.h"

namespace platform::detail {

LocalDate LocalDateOf(std::time_t moment);

}  // namespace platform::detail
