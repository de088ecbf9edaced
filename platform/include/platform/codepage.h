// Conversions between UTF-8, UTF-16 and code page 936 (GBK).
//
// Program A keeps its text as code page 936 bytes and program B as UTF-16;
// every crossing between the two forms and the outside world goes through
// these functions and nowhere else. None of them fails: a character with no
// code page 936 form becomes "?", and a malformed sequence (invalid UTF-8, an
// unpaired surrogate, a truncated or unknown double-byte pair) becomes one
// replacement character, after which conversion carries on with the rest.
#pragma once

#include <cstddef>
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

// The units a conversion may use past the end of its output while it
// writes: reserved with the output's size, they spare it a last move.
inline constexpr std::size_t kConversionRoom = std::size_t{1} << 15;

// The conversions of a text that comes in blocks, as a file read piece by
// piece: each converts `block` onto the end of `out` and returns how many of
// its bytes it took. Unless `last`, it leaves the final bytes of a character
// that may go on in the next block; the caller puts what was left before
// that block. The blocks together convert exactly as the whole text would.
std::size_t AppendUtf8AsGbk(std::string& out, std::string_view block, bool last);
std::size_t AppendUtf8AsUtf16(std::u16string& out, std::string_view block, bool last);
std::size_t AppendGbkAsUtf16(std::u16string& out, std::string_view block, bool last);

}  // namespace platform
