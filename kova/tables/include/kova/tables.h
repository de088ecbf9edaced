// Program A's fixed vocabulary: the class words, the numbers each word
// stands for, and the year model on which the zodiac and the five elements
// depend. Everything here is constant.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "kova/class_words.h"
#include "kova/number_set.h"

namespace kova {

// The years the tables cover, the range of the year selector.
inline constexpr int kFirstYear = 2003;
inline constexpr int kLastYear = 2010;

// The classes whose number sets are the same every year.
enum class FixedClass {
    kHead,         // HeadNames
    kTail,         // TailNames
    kWave,         // WaveNames
    kBigSmall,     // BigSmallNames
    kOddEven,      // OddEvenNames
    kDigitSum,     // DigitSumNames
    kSumBigSmall,  // SumBigSmallNames
    kSumOddEven,   // SumOddEvenNames
};
inline constexpr std::size_t kFixedClassCount = 8;

// The numbers of the class word with the 1-based index in its class list.
NumberSet NumbersOfFixedWord(FixedClass family, int index);

// The numbers of an animal (1-based into ZodiacNames) in a year 2003..2010.
NumberSet NumbersOfAnimal(int animal, int year);
// The animal (1-based into ZodiacNames) that a number carries in a year.
int AnimalOfNumber(int number, int year);

// The numbers of an element (1-based into ElementNames) in a year 2003..2010.
NumberSet NumbersOfElement(int element, int year);
// The element (1-based into ElementNames) of a number in a year.
int ElementOfNumber(int number, int year);

// The wave colour of a number; the values are 1-based indexes into WaveNames.
enum class Wave { kRed = 1, kGreen = 2, kBlue = 3 };
Wave WaveOfNumber(int number);

// A half-wave button of the number page: its label and its caption, the
// numbers that its click puts into the input.
struct HalfWave {
    std::string_view name;
    std::string_view caption;
};

inline constexpr std::array<HalfWave, 6> HalfWaves = {{
    {"\xBA\xEC\xB5\xA5" /* 红单 */, "01 07 13 19 23 29 35 45"},
    {"\xBA\xEC\xCB\xAB" /* 红双 */, "02 08 12 18 24 30 34 40 46"},
    {"\xC2\xCC\xB5\xA5" /* 绿单 */, "05 11 17 21 27 33 39 43 49"},
    {"\xC2\xCC\xCB\xAB" /* 绿双 */, "06 16 22 28 32 38 44"},
    {"\xC0\xB6\xB5\xA5" /* 蓝单 */, "03 09 15 25 31 37 41 47"},
    {"\xC0\xB6\xCB\xAB" /* 蓝双 */, "04 10 14 20 26 36 42 48"},
}};

}  // namespace kova
