// The operating system's own code page 936 converter: the Win32 code page
// functions on Windows, iconv elsewhere. The program's table does not use
// it (systems disagree, see cp936_data.h); the walker that writes the table
// and the tests that hold it against the system do.
#pragma once

#include <cstdint>

namespace platform::detail {

// Decodes one or two bytes; 0 when the system refuses them or they are not
// exactly one BMP character.
char16_t SystemDecodeCp936(const unsigned char* bytes, int count);

// The code page 936 form of one BMP character, a byte below 0x100 or lead
// << 8 | trail; 0 when the system has none without a best-fit substitute.
std::uint16_t SystemEncodeCp936(char16_t c);

}  // namespace platform::detail
