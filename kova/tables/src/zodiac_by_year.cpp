// The zodiac by year. Number 01 carries the year's own animal; number n
// carries the animal n - 1 places before it in the cycle 鼠 牛 虎 .. 猪,
// counting backwards, so n and n + 12 always share an animal.
#include <array>

#include "kova/tables.h"
#include "table_index.h"

namespace kova {

namespace {

constexpr int kCycleLength = static_cast<int>(ZodiacNames.size());

// The year's own animal, 1-based into ZodiacNames, for 2003..2010.
constexpr std::array<int, kLastYear - kFirstYear + 1> kAnimalOfYear = {
    8 /* 2003 羊 */,  9 /* 2004 猴 */, 10 /* 2005 鸡 */, 11 /* 2006 狗 */,
    12 /* 2007 猪 */, 1 /* 2008 鼠 */, 2 /* 2009 牛 */,  3 /* 2010 虎 */,
};

}  // namespace

int AnimalOfNumber(int number, int year) {
    detail::CheckNumber(number);
    const int year_animal = kAnimalOfYear[detail::RowOfYear(year)];
    const int places_back = (number - 1) % kCycleLength;
    return (year_animal - 1 - places_back + kCycleLength) % kCycleLength + 1;
}

NumberSet NumbersOfAnimal(int animal, int year) {
    detail::SlotOfIndex(animal, ZodiacNames.size());
    detail::RowOfYear(year);
    return NumberSet::Where([=](int n) { return AnimalOfNumber(n, year) == animal; });
}

}  // namespace kova
