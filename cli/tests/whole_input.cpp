#include "whole_input.h"

#include "platform/codepage.h"

namespace cli::test {

namespace {

std::string_view WithoutByteOrderMark(std::string_view input) {
    return input.starts_with("\xEF\xBB\xBF") ? input.substr(3) : input;
}

}  // namespace

std::string DecodeAsGbk(std::string_view input, Encoding encoding) {
    return encoding == Encoding::kGbk ? std::string(input)
                                      : platform::Utf8ToGbk(WithoutByteOrderMark(input));
}

std::u16string DecodeAsUtf16(std::string_view input, Encoding encoding) {
    return encoding == Encoding::kGbk ? platform::GbkToUtf16(input)
                                      : platform::Utf8ToUtf16(WithoutByteOrderMark(input));
}

}  // namespace cli::test
