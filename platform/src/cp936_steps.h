// The code page 936 mapping rearranged for the converters' inner loops: one
// load decides a character, whatever it turns out to be (a single byte, a
// pair, a malformed pair, a character with no code page 936 form), so that
// the loops need no branch for the rare cases. Derived once from
// TheCp936Table(), which stays the one statement of the mapping.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace platform::detail {

struct Cp936Steps {
    // The character that starts with byte b0 followed by b1, at b0 | b1 <<
    // 8 (the two bytes as they lie, in one load on most processors): an
    // ASCII or other single-byte character, a pair's character, or U+FFFD
    // where the two bytes are no character.
    std::array<char16_t, 0x10000> unit_at{};
    // Whether b0 >= 0x80 followed by b1 is one character of two bytes, at
    // b0 - 0x80 and b1: a lead byte takes the next byte with it only when
    // that byte could not start a character of its own.
    std::array<bool, 0x80> takes_trail{};
    std::array<bool, 0x100> is_trail{};
    // The bytes >= 0x80 that are characters of their own, which the block
    // decoder must tell from lead bytes.
    std::vector<unsigned char> single_bytes;
    // Each BMP code unit's code page 936 form as its bytes lie in the text:
    // one byte and a zero, or a lead and a trail byte (never zero); "?"
    // where there is none, and 0x00 for U+0000.
    std::array<std::array<char, 2>, 0x10000> form_of{};

    char16_t UnitOf(unsigned char b0, unsigned char b1) const {
        return unit_at[static_cast<std::uint16_t>(b0 | b1 << 8)];
    }
    // The character that starts at `bytes`, of which two may be read.
    char16_t UnitAt(const unsigned char* bytes) const {
        std::uint16_t two;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(&two, bytes, sizeof two);
        } else {
            two = static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
        }
        return unit_at[two];
    }
    // 1 or 2: the bytes of the character that starts with b0, b1.
    std::size_t LengthOf(unsigned char b0, unsigned char b1) const {
        return b0 >= 0x80 && takes_trail[b0 - 0x80u] && is_trail[b1] ? 2 : 1;
    }
};

const Cp936Steps& TheCp936Steps();

}  // namespace platform::detail
