#include "almanac_years.h"

#include <array>
#include <sstream>

namespace yeartables::test {

namespace {

struct AlmanacYear {
    int year = 0;
    int animal = 0;                       // of number 01: 0 鼠 .. 11 猪
    std::array<const char*, 5> elements;  // the numbers of 金, 木, 水, 火 and 土
};

constexpr std::array<AlmanacYear, 3> kAlmanacYears = {{
    {2011,
     3,  // 兔
     {"11 12 19 20 27 28 41 42 49", "01 02 09 10 23 24 31 32 39 40",
      "07 08 15 16 29 30 37 38 45 46", "03 04 17 18 25 26 33 34 47 48",
      "05 06 13 14 21 22 35 36 43 44"}},
    {2026,
     6,  // 马
     {"04 05 12 13 26 27 34 35 42 43", "08 09 16 17 24 25 38 39 46 47",
      "01 14 15 22 23 30 31 44 45", "02 03 10 11 18 19 32 33 40 41 48 49",
      "06 07 20 21 28 29 36 37"}},
    {2040,
     8,  // 猴
     {"10 11 18 19 26 27 40 41 48 49", "01 08 09 22 23 30 31 38 39",
      "06 07 14 15 28 29 36 37 44 45", "02 03 16 17 24 25 32 33 46 47",
      "04 05 12 13 20 21 34 35 42 43"}},
}};

}  // namespace

std::vector<WrittenYear> AlmanacYears() {
    std::vector<WrittenYear> years;
    for (const AlmanacYear& almanac : kAlmanacYears) {
        WrittenYear& year = years.emplace_back();
        year.year = almanac.year;
        year.animal = almanac.animal;
        for (std::size_t element = 0; element < almanac.elements.size(); ++element) {
            std::istringstream numbers(almanac.elements[element]);
            for (std::size_t number = 0; numbers >> number;) {
                year.element.at(number) = static_cast<int>(element);
            }
        }
    }
    return years;
}

}  // namespace yeartables::test
