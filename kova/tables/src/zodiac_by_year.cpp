// The zodiac by year: the year's own animal for each year of the built-in
// tables; the numbers follow it through the cycle.
#include <array>

#include "kova/tables.h"
#include "table_index.h"
#include "zodiac_cycle.h"

namespace kova {

namespace {

// The year's own animal, 1-based into ZodiacNames, for 2003..2010.
constexpr std::array<int, kLastYear - kFirstYear + 1> kAnimalOfYear = {
    8 /* 2003 羊 */,  9 /* 2004 猴 */, 10 /* 2005 鸡 */, 11 /* 2006 狗 */,
    12 /* 2007 猪 */, 1 /* 2008 鼠 */, 2 /* 2009 牛 */,  3 /* 2010 虎 */,
};

}  // namespace

int AnimalOfNumber(int number, int year) {
    detail::CheckNumber(number);
    return detail::AnimalInCycle(kAnimalOfYear[detail::RowOfYear(year)], number);
}

NumberSet NumbersOfAnimal(int animal, int year) {
    detail::SlotOfIndex(animal, ZodiacNames.size());
    detail::RowOfYear(year);
    return NumberSet::Where([=](int n) { return AnimalOfNumber(n, year) == animal; });
}

}  // namespace kova
