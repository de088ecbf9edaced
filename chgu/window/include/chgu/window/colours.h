// The colours of program B's windows beyond the platform's named ones.
#pragma once

#include "platform/control_table.h"

namespace chgu {

inline constexpr platform::Colour kTeal = platform::Colour::Rgb(0, 128, 128);
inline constexpr platform::Colour kCyan = platform::Colour::Rgb(0, 192, 192);
inline constexpr platform::Colour kLightGrey = platform::Colour::Rgb(224, 224, 224);

}  // namespace chgu
