// Conversions between UTF-8, UTF-16 and code page 936 (GBK).
//
// Program A keeps its text as code page 936 bytes and program B as UTF-16;
// every crossing between the two forms and the outside world goes through
// these functions and nowhere else. None of them fails: a character with no
// code page 936 form becomes "?", and a malformed sequence (invalid UTF-8, an
// unpaired surrogate, a truncated or unknown double-byte pair) becomes one
// replacement character, after which conversion carries on with the rest.
#pragma once

#include <string>
#include <string_view>

namespace platform {

inline constexpr char16_t kReplacementCharacter = u'\uFFFD';

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

std::string Utf16ToGbk(std::u16string_view utf16);
std::u16string GbkToUtf16(std::string_view gbk);

std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);

}  // namespace platform
