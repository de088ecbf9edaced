// The conversions between UTF-8, UTF-16 and code page 936 as they were first
// written: one character at a time, each decoded in full and then encoded.
// The product's converters take faster paths through the same rules; these
// say what those paths must give, byte for byte, in the tests and the fuzz
// targets.
#pragma once

#include <string>
#include <string_view>

namespace platform::reference {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

std::string Utf16ToGbk(std::u16string_view utf16);
std::u16string GbkToUtf16(std::string_view gbk);

std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);

}  // namespace platform::reference
