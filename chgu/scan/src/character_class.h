// What a character is to the scans: its family and its place in the family,
// looked up once per position in a table over every UTF-16 code unit, so that
// the rules test small numbers instead of comparing characters and words.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "chgu/class_words.h"

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

// The class of a character. Every class has its own small code, so that a
// window of classes can serve as an index.
struct alignas(4) CharacterClass {
    Family family = Family::None;
    std::uint8_t index = 0;
    std::uint8_t code = 0;
    // Unused. A fourth byte of the class's own (not padding) lets the
    // compiler copy a class as one 32-bit value instead of field by field.
    std::uint8_t spare = 0;

    constexpr bool Is(Family f) const { return family == f; }
    constexpr bool In(Families set) const {
        return ((set >> static_cast<unsigned>(family)) & 1) != 0;
    }
    constexpr bool IsDigit(int value) const { return family == Family::Digit && index == value; }
};

inline constexpr CharacterClass kOtherClass{Family::None, 0, 0};
inline constexpr CharacterClass kNoCharacterClass{Family::NoCharacter, 0, 1};
inline constexpr std::uint8_t kFirstCharacterCode = 2;

struct ClassedCharacter {
    char16_t ch;
    CharacterClass cls;
};

// Every character that is more to the scans than some other character.
inline constexpr auto kClassedCharacters = [] {
    std::array<ClassedCharacter, 10 + kAnimalWords.size() + kElementWords.size() +
                                     kColourWords.size() + kSizeWords.size() + kParityWords.size() +
                                     6>
        list{};
    std::size_t n = 0;
    const auto enter = [&](char16_t ch, Family family, std::size_t index) {
        list[n] = {ch,
                   {family, static_cast<std::uint8_t>(index),
                    static_cast<std::uint8_t>(kFirstCharacterCode + n)}};
        ++n;
    };
    const auto enter_words = [&](const auto& words, Family family) {
        for (std::size_t i = 0; i < words.size(); ++i) {
            enter(words[i].front(), family, i);
        }
    };
    for (std::size_t digit = 0; digit < 10; ++digit) {
        enter(static_cast<char16_t>(u'0' + digit), Family::Digit, digit);
    }
    enter_words(kAnimalWords, Family::Animal);
    enter_words(kElementWords, Family::Element);
    enter_words(kColourWords, Family::Colour);
    enter_words(kSizeWords, Family::Size);
    enter_words(kParityWords, Family::Parity);
    enter(u'合', Family::Sum, 0);
    enter(u'头', Family::Head, 0);
    enter(u'尾', Family::Tail, 0);
    enter(u'次', Family::Times, 0);
    enter(u'期', Family::Issue, 0);
    enter(u'码', Family::Issue, 1);
    return list;
}();

inline constexpr std::size_t kClassCount = kFirstCharacterCode + kClassedCharacters.size();

// The class of each code.
inline constexpr auto kClassOfCode = [] {
    std::array<CharacterClass, kClassCount> classes{kOtherClass, kNoCharacterClass};
    for (const ClassedCharacter& classed : kClassedCharacters) {
        classes[classed.cls.code] = classed.cls;
    }
    return classes;
}();

// The class of ch, by search; for tables built at compile time.
constexpr CharacterClass ClassOfCharacter(char16_t ch) {
    for (const ClassedCharacter& classed : kClassedCharacters) {
        if (classed.ch == ch) {
            return classed.cls;
        }
    }
    return kOtherClass;
}

// Digits directly before one of these are never a number.
inline constexpr Families kNumberStoppers =
    FamilySet({Family::Times, Family::Issue, Family::Head, Family::Tail, Family::Sum});

// The class of every UTF-16 code unit, built on first use; the scans fetch it
// once per press. It holds each unit's code, a byte, so that the units a text
// uses take few cache lines.
class ClassTable {
  public:
    CharacterClass operator[](char16_t ch) const { return kClassOfCode[codes_[ch]]; }
    std::uint8_t CodeOf(char16_t ch) const { return codes_[ch]; }

  private:
    friend const ClassTable& CharacterClasses();
    ClassTable();

    std::array<std::uint8_t, 0x10000> codes_{};
};

const ClassTable& CharacterClasses();

}  // namespace chgu::detail
