// The day a test gives the programs in place of the clock; never anything in
// a build without tests, so that a program shipped from such a build cannot
// be told another date.
#pragma once

#include <optional>

#include "platform/clock.h"

namespace platform {

std::optional<LocalDate> TestToday();

}  // namespace platform
