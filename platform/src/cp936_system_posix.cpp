#include <iconv.h>

#include "cp936_system.h"

namespace platform::detail {

namespace {

// Converts in to out completely or not at all; the bytes written, or -1.
int Convert(iconv_t converter, const char* in, std::size_t in_size, char* out,
            std::size_t out_size) {
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return -1;
    }
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* in_ptr = const_cast<char*>(in);
    char* out_ptr = out;
    std::size_t in_left = in_size;
    std::size_t out_left = out_size;
    if (iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1) ||
        in_left != 0) {
        return -1;
    }
    return static_cast<int>(out_size - out_left);
}

}  // namespace

char16_t SystemDecodeCp936(const unsigned char* bytes, int count) {
    static const iconv_t converter = iconv_open("UTF-16LE", "CP936");
    const char in[2] = {static_cast<char>(bytes[0]),
                        count > 1 ? static_cast<char>(bytes[1]) : '\0'};
    char out[8] = {};
    if (Convert(converter, in, static_cast<std::size_t>(count), out, sizeof out) != 2) {
        return 0;
    }
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 (static_cast<unsigned char>(out[1]) << 8));
}

std::uint16_t SystemEncodeCp936(char16_t c) {
    static const iconv_t converter = iconv_open("CP936", "UTF-16LE");
    const char in[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    char out[8] = {};
    const int written = Convert(converter, in, sizeof in, out, sizeof out);
    const auto byte = [&](int i) {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(out[i]));
    };
    if (written == 1) {
        return byte(0);
    }
    if (written == 2) {
        return static_cast<std::uint16_t>(byte(0) << 8 | byte(1));
    }
    return 0;
}

}  // namespace platform::detail
