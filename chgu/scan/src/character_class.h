// What a character is to the scans: its family and its place in the family,
// looked up once per position in a table over every UTF-16 code unit, so that
// the rules test small numbers instead of comparing characters and words.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

namespace chgu::detail {

enum class Family : std::uint8_t {
    None,         // every other character, " " from the bracket filter included
    NoCharacter,  // p1 and p2 before the text starts
    Digit,        // "0" to "9"; the index is the digit's value
    Animal,       // the single-character class words; the index is the
    Element,      // word's place in its list in class_words.h
    Colour,
    Size,
    Parity,
    Sum,    // 合
    Head,   // 头
    Tail,   // 尾
    Times,  // 次
    Issue,  // 期 and 码, which only stop a number
};

// A set of families, for testing several at once.
using Families = std::uint32_t;

constexpr Families FamilySet(std::initializer_list<Family> families) {
    Families set = 0;
    for (const Family family : families) {
        set |= Families{1} << static_cast<unsigned>(family);
    }
    return set;
}

struct CharacterClass {
    Family family = Family::None;
    std::uint8_t index = 0;

    constexpr bool Is(Family f) const { return family == f; }
    constexpr bool In(Families set) const {
        return ((set >> static_cast<unsigned>(family)) & 1) != 0;
    }
    constexpr bool IsDigit(int value) const { return family == Family::Digit && index == value; }
};

inline constexpr CharacterClass kNoCharacterClass{Family::NoCharacter, 0};

// Digits directly before one of these are never a number.
inline constexpr Families kNumberStoppers =
    FamilySet({Family::Times, Family::Issue, Family::Head, Family::Tail, Family::Sum});

using ClassTable = std::array<CharacterClass, 0x10000>;

// Built on first use; the scans fetch it once per press.
const ClassTable& CharacterClasses();

}  // namespace chgu::detail
