#include <windows.h>

#include "cp936_table.h"

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

}  // namespace platform::detail
