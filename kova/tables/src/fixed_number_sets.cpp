// The number sets that do not depend on the year. The wave colours are
// data; the other classes follow from the digits of the number.
#include <array>

#include "kova/tables.h"
#include "table_index.h"

namespace kova {

namespace {

// Red, green and blue, in the order of WaveNames.
constexpr std::array<NumberSet, 3> kWaves = {
    NumberSet::FromList("01 02 07 08 12 13 18 19 23 24 29 30 34 35 40 45 46"),
    NumberSet::FromList("05 06 11 16 17 21 22 27 28 32 33 38 39 43 44 49"),
    NumberSet::FromList("03 04 09 10 14 15 20 25 26 31 36 37 41 42 47 48"),
};

// 大 starts at 25; 合大 at the digit sum 7.
constexpr int kLowestBig = 25;
constexpr int kLowestBigDigitSum = 7;

// The digit sum of a one-digit number is the number itself.
constexpr int DigitSum(int number) {
    return number / 10 + number % 10;
}

constexpr bool IsOdd(int value) {
    return value % 2 == 1;
}

}  // namespace

NumberSet NumbersOfFixedWord(FixedClass family, int index) {
    using detail::SlotOfIndex;
    // In the two-word classes the first word (大, 单, 合大, 合单) is index 1.
    const bool first = index == 1;
    switch (family) {
        case FixedClass::kHead:
            SlotOfIndex(index, HeadNames.size());
            return NumberSet::Where([index](int n) { return n / 10 == index - 1; });
        case FixedClass::kTail:
            SlotOfIndex(index, TailNames.size());
            return NumberSet::Where([index](int n) { return n % 10 == index - 1; });
        case FixedClass::kWave:
            return kWaves[SlotOfIndex(index, kWaves.size())];
        case FixedClass::kBigSmall:
            SlotOfIndex(index, BigSmallNames.size());
            return NumberSet::Where([first](int n) { return (n >= kLowestBig) == first; });
        case FixedClass::kOddEven:
            SlotOfIndex(index, OddEvenNames.size());
            return NumberSet::Where([first](int n) { return IsOdd(n) == first; });
        case FixedClass::kDigitSum:
            SlotOfIndex(index, DigitSumNames.size());
            return NumberSet::Where([index](int n) { return DigitSum(n) == index; });
        case FixedClass::kSumBigSmall:
            SlotOfIndex(index, SumBigSmallNames.size());
            return NumberSet::Where(
                [first](int n) { return (DigitSum(n) >= kLowestBigDigitSum) == first; });
        case FixedClass::kSumOddEven:
            SlotOfIndex(index, SumOddEvenNames.size());
            return NumberSet::Where([first](int n) { return IsOdd(DigitSum(n)) == first; });
    }
    return {};
}

Wave WaveOfNumber(int number) {
    detail::CheckNumber(number);
    for (std::size_t i = 0; i < kWaves.size(); ++i) {
        if (kWaves[i].Contains(number)) {
            return static_cast<Wave>(i + 1);
        }
    }
    return Wave::kBlue;  // not reached: the three waves cover 01..49
}

}  // namespace kova
