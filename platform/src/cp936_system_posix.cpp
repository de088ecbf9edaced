#include <iconv.h>

#include <cerrno>

#include "cp936_table.h"

namespace platform::detail {

char16_t SystemDecodeCp936(const unsigned char* bytes, int count) {
    static const iconv_t converter = iconv_open("UTF-16LE", "CP936");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return 0;
    }
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char in[2] = {static_cast<char>(bytes[0]), count > 1 ? static_cast<char>(bytes[1]) : '\0'};
    char out[8] = {};
    char* in_ptr = in;
    char* out_ptr = out;
    size_t in_left = static_cast<size_t>(count);
    size_t out_left = sizeof out;
    if (iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<size_t>(-1) ||
        in_left != 0 || out_left != sizeof out - 2) {
        return 0;
    }
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 (static_cast<unsigned char>(out[1]) << 8));
}

}  // namespace platform::detail
