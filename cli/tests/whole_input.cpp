#include "whole_input.h"

#include "platform/codepage.h"
#include "utf16_input.h"

namespace cli::test {

namespace {

std::string_view WithoutByteOrderMark(std::string_view input) {
    return input.starts_with("\xEF\xBB\xBF") ? input.substr(3) : input;
}

// A whole input as UTF-16 when it is that: it starts with a UTF-16
// byte-order mark, or the encoding says so (little-endian without a mark).
std::optional<std::u16string> WholeUtf16(std::string_view input, Encoding encoding) {
    std::optional<Utf16Order> order = Utf16ByteOrderMark(input);
    if (order) {
        input.remove_prefix(kUtf16MarkBytes);
    } else if (encoding == Encoding::kUtf16) {
        order = Utf16Order::kLittleEndian;
    } else {
        return std::nullopt;
    }
    std::u16string text;
    AppendUtf16Bytes(text, input, *order, true);
    return text;
}

}  // namespace

std::string DecodeAsGbk(std::string_view input, Encoding encoding) {
    if (const auto utf16 = WholeUtf16(input, encoding)) {
        return platform::Utf16ToGbk(*utf16);
    }
    return encoding == Encoding::kGbk ? std::string(input)
                                      : platform::Utf8ToGbk(WithoutByteOrderMark(input));
}

std::u16string DecodeAsUtf16(std::string_view input, Encoding encoding) {
    if (auto utf16 = WholeUtf16(input, encoding)) {
        return std::move(*utf16);
    }
    return encoding == Encoding::kGbk ? platform::GbkToUtf16(input)
                                      : platform::Utf8ToUtf16(WithoutByteOrderMark(input));
}

}  // namespace cli::test
