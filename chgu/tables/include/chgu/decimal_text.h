#pragma once

#include <cstdint>
#include <string>

namespace chgu {

// value in decimal, without spaces or leading zeros.
std::u16string DecimalText(std::int64_t value);

}  // namespace chgu
