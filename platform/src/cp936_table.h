// The code page 936 mapping as two lookup tables, built once from the
// operating system's own conversion (iconv on POSIX, the Win32 code page
// functions on Windows) so that both directions agree with the system.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace platform::detail {

struct Cp936Table {
    // Code point (BMP) to its code page 936 form: a byte below 0x100, or
    // lead << 8 | trail for a double-byte character; 0 when there is none
    // (U+0000 itself is handled by the caller).
    std::array<std::uint16_t, 0x10000> encode{};
    // Single bytes 0x80..0xFF: their code point, 0 when the byte is not a
    // character of its own (a lead byte, or unassigned).
    std::array<char16_t, 0x80> single{};
    // Double bytes (lead - 0x80) << 8 | trail: their code point, 0 when the
    // pair is not a character.
    std::array<char16_t, 0x8000> pair{};
};

// Decodes one or two bytes with the system's converter; returns 0 when the
// sequence is not exactly one BMP character.
char16_t SystemDecodeCp936(const unsigned char* bytes, int count);

const Cp936Table& TheCp936Table();

}  // namespace platform::detail
