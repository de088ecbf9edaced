// The code page 936 mapping as two lookup tables, built once from the data
// of cp936_data.h, which is how Windows decodes every code, so that both
// directions agree with Windows in every build.
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

const Cp936Table& TheCp936Table();

}  // namespace platform::detail
