// The zodiac and five-element tables of one year, as both programs take them
// from the year-tables file: the animal of number 01 (every other number
// follows it back through the twelve-year cycle) and the element of every
// number 01..49. The values are indexes into the cycles below, so that each
// program can map them to its own words.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "yeartables/numbers.h"

namespace yeartables {

// The years up to this one come from the programs' built-in tables; a file
// adds the years after it.
inline constexpr int kLastBuiltInYear = 2010;
inline constexpr int kFirstFileYear = kLastBuiltInYear + 1;

// The animal cycle, in the order the year's animal moves on (2008 is 鼠).
inline constexpr std::array<std::u16string_view, 12> kAnimalNames = {
    u"鼠", u"牛", u"虎", u"兔", u"龙", u"蛇", u"马", u"羊", u"猴", u"鸡", u"狗", u"猪"};

inline constexpr std::array<std::u16string_view, 5> kElementNames = {u"金", u"木", u"水", u"火",
                                                                     u"土"};

// Index into kAnimalNames of the animal of number (1..49) in a year whose
// number 01 carries year_animal: one place back in the cycle per number.
constexpr int AnimalOfNumber(int year_animal, int number) {
    constexpr int kCycle = static_cast<int>(kAnimalNames.size());
    return ((year_animal - (number - 1)) % kCycle + kCycle) % kCycle;
}

struct YearRow {
    int year = 0;
    // Index into kAnimalNames: the animal of number 01, the year's own.
    std::uint8_t animal = 0;
    // element[n - 1]: index into kElementNames of number n.
    std::array<std::uint8_t, kNumberCount> element{};

    friend bool operator==(const YearRow&, const YearRow&) = default;
};

// The years a file adds: rows[i] is the year kFirstFileYear + i. None when
// there is no file or it has a fault.
struct FileYears {
    std::vector<YearRow> rows;

    // The last year of the file, or kLastBuiltInYear when it adds none.
    int LastYear() const { return kLastBuiltInYear + static_cast<int>(rows.size()); }

    // The row of a year the file adds; nullptr for any other year.
    const YearRow* Find(long long year) const {
        if (year < kFirstFileYear || year > LastYear()) {
            return nullptr;
        }
        return &rows[static_cast<std::size_t>(year - kFirstFileYear)];
    }
};

}  // namespace yeartables
