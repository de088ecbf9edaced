// Which single-character class word a character is, looked up once per
// position by every scan.
#pragma once

#include <cstdint>

namespace chgu::detail {

enum class Family : std::uint8_t { None, Animal, Element, Colour, Size, Parity };

struct CharacterClass {
    Family family = Family::None;
    std::uint8_t index = 0;  // in the family's class words
};

CharacterClass ClassOf(char32_t c);

// Characters the scans test by name.
inline constexpr char32_t kSum = U'合';
inline constexpr char32_t kHead = U'头';
inline constexpr char32_t kTail = U'尾';
inline constexpr char32_t kTimes = U'次';

// Digits directly before one of these are never a number.
constexpr bool IsNumberStopper(char32_t c) {
    return c == U'次' || c == U'期' || c == U'码' || c == kHead || c == kTail || c == kSum;
}

}  // namespace chgu::detail
