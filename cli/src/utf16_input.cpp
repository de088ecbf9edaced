#include "utf16_input.h"

#include "platform/codepage.h"

namespace cli {

std::optional<Utf16Order> Utf16ByteOrderMark(std::string_view start) {
    if (start.starts_with("\xFF\xFE")) {
        return Utf16Order::kLittleEndian;
    }
    if (start.starts_with("\xFE\xFF")) {
        return Utf16Order::kBigEndian;
    }
    return std::nullopt;
}

std::size_t AppendUtf16Bytes(std::u16string& text, std::string_view bytes, Utf16Order order,
                             bool last) {
    const std::size_t units = bytes.size() / 2;
    const std::size_t first = text.size();
    text.resize(first + units);
    const bool big = order == Utf16Order::kBigEndian;
    for (std::size_t i = 0; i < units; ++i) {
        const auto low = static_cast<unsigned char>(bytes[2 * i + (big ? 1 : 0)]);
        const auto high = static_cast<unsigned char>(bytes[2 * i + (big ? 0 : 1)]);
        text[first + i] = static_cast<char16_t>(high << 8 | low);
    }
    if (last) {
        if (bytes.size() % 2 != 0) {
            text.push_back(platform::kReplacementCharacter);
        }
        return bytes.size();
    }
    if (units > 0 && text.back() >= 0xD800 && text.back() <= 0xDBFF) {
        text.pop_back();
        return 2 * (units - 1);
    }
    return 2 * units;
}

std::size_t AppendUtf16Bytes(std::string& gbk, std::string_view bytes, Utf16Order order,
                             bool last) {
    std::u16string text;
    const std::size_t took = AppendUtf16Bytes(text, bytes, order, last);
    gbk.append(platform::Utf16ToGbk(text));
    return took;
}

}  // namespace cli
