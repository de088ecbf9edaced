#include "chgu/decimal_text.h"

namespace chgu {

std::u16string DecimalText(std::int64_t value) {
    const std::string ascii = std::to_string(value);
    return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace chgu
