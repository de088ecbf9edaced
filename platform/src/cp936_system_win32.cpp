#include <windows.h>

#include "cp936_system.h"

namespace platform::detail {

char16_t SystemDecodeCp936(const unsigned char* bytes, int count) {
    wchar_t out[4] = {};
    const int written = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS,
                                            reinterpret_cast<const char*>(bytes), count, out, 4);
    if (written != 1) {
        return 0;
    }
    return static_cast<char16_t>(out[0]);
}

std::uint16_t SystemEncodeCp936(char16_t c) {
    const wchar_t in = static_cast<wchar_t>(c);
    char out[4] = {};
    BOOL used_default = FALSE;
    const int written = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, &in, 1, out, sizeof out,
                                            nullptr, &used_default);
    const auto byte = [&](int i) {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(out[i]));
    };
    if (used_default || written < 1 || written > 2) {
        return 0;
    }
    return written == 1 ? byte(0) : static_cast<std::uint16_t>(byte(0) << 8 | byte(1));
}

}  // namespace platform::detail
