// The five elements by year: fixed data, one row per year, in the order of
// ElementNames (金 木 水 火 土). From one year to the next most numbers take
// the element of the number before them, but number 01 follows no rule, so
// the rows are kept as they are rather than computed.
#include <array>

#include "kova/tables.h"
#include "table_index.h"

namespace kova {

namespace {

using ElementRow = std::array<NumberSet, 5>;

constexpr NumberSet Numbers(std::string_view list) {
    return NumberSet::FromList(list);
}

constexpr std::array<ElementRow, kLastYear - kFirstYear + 1> kElementRows = {{
    // 2003
    {Numbers("03 04 11 12 19 20 33 34 41 42 49"), Numbers("01 02 15 16 23 24 31 32 45 46"),
     Numbers("07 08 21 22 29 30 37 38"), Numbers("09 10 17 18 25 26 39 40 47 48"),
     Numbers("05 06 13 14 27 28 35 36 43 44")},
    // 2004
    {Numbers("04 05 12 13 20 21 34 35 42 43"), Numbers("02 03 16 17 24 25 32 33 46 47"),
     Numbers("01 08 09 22 23 30 31 38 39"), Numbers("10 11 18 19 26 27 40 41 48 49"),
     Numbers("06 07 14 15 28 29 36 37 44 45")},
    // 2005
    {Numbers("05 06 13 14 21 22 35 36 43 44"), Numbers("03 04 17 18 25 26 33 34 47 48"),
     Numbers("01 02 09 10 23 24 31 32 39 40"), Numbers("11 12 19 20 27 28 41 42 49"),
     Numbers("07 08 15 16 29 30 37 38 45 46")},
    // 2006
    {Numbers("06 07 14 15 22 23 36 37 44 45"), Numbers("04 05 18 19 26 27 34 35 48 49"),
     Numbers("02 03 10 11 24 25 32 33 40 41"), Numbers("12 13 20 21 28 29 42 43"),
     Numbers("01 08 09 16 17 30 31 38 39 46 47")},
    // 2007
    {Numbers("07 08 15 16 23 24 37 38 45 46"), Numbers("05 06 19 20 27 28 35 36 49"),
     Numbers("03 04 11 12 25 26 33 34 41 42"), Numbers("13 14 21 22 29 30 43 44"),
     Numbers("01 02 09 10 17 18 31 32 39 40 47 48")},
    // 2008
    {Numbers("08 09 16 17 24 25 38 39 46 47"), Numbers("06 07 20 21 28 29 36 37"),
     Numbers("04 05 12 13 26 27 34 35 42 43"), Numbers("01 14 15 22 23 30 31 44 45"),
     Numbers("02 03 10 11 18 19 32 33 40 41 48 49")},
    // 2009
    {Numbers("09 10 17 18 25 26 39 40 47 48"), Numbers("07 08 21 22 29 30 37 38"),
     Numbers("05 06 13 14 27 28 35 36 43 44"), Numbers("01 02 15 16 23 24 31 32 45 46"),
     Numbers("03 04 11 12 19 20 33 34 41 42 49")},
    // 2010
    {Numbers("10 11 18 19 26 27 40 41 48 49"), Numbers("08 09 22 23 30 31 38 39"),
     Numbers("01 06 07 14 15 28 29 36 37 44 45"), Numbers("02 03 16 17 24 25 32 33 46 47"),
     Numbers("04 05 12 13 20 21 34 35 42 43")},
}};

}  // namespace

NumberSet NumbersOfElement(int element, int year) {
    const ElementRow& row = kElementRows[detail::RowOfYear(year)];
    return row[detail::SlotOfIndex(element, row.size())];
}

int ElementOfNumber(int number, int year) {
    detail::CheckNumber(number);
    const ElementRow& row = kElementRows[detail::RowOfYear(year)];
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (row[i].Contains(number)) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;  // not reached: every row partitions 01..49 (checked by the tests)
}

}  // namespace kova
