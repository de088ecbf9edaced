// The zodiac and element tables in force for program A: the built-in years
// 2003..2010 and, after them, the years that a year-tables file adds. The
// year selector runs over FirstYear()..LastYear(), and the number statistics
// looks its words up here.
#pragma once

#include <array>
#include <vector>

#include "kova/tables.h"

namespace yeartables {
struct FileYears;
}

namespace kova {

class YearTables {
  public:
    // The built-in years only, as without a file.
    YearTables() = default;
    // The built-in years and the file's years after them. The file's rows
    // must be as the reader gives them (std::invalid_argument otherwise).
    explicit YearTables(const yeartables::FileYears& file);

    int FirstYear() const { return kFirstYear; }
    int LastYear() const { return kLastYear + static_cast<int>(added_.size()); }

    // As the lookups of tables.h, for the years FirstYear()..LastYear()
    // (std::out_of_range for any other).
    NumberSet NumbersOfAnimal(int animal, int year) const;
    int AnimalOfNumber(int number, int year) const;
    NumberSet NumbersOfElement(int element, int year) const;
    int ElementOfNumber(int number, int year) const;

    // The year's own animal (1-based into ZodiacNames), the one that number
    // 01 carries: the year box shows it beside the year, " 2026(马)年".
    int AnimalOfYear(int year) const { return AnimalOfNumber(1, year); }

  private:
    struct AddedYear {
        int animal = 0;                       // of number 01, 1-based
        std::array<NumberSet, 5> elements{};  // in the order of ElementNames
    };
    // The year's row of the file; nullptr for a built-in year.
    const AddedYear* Added(int year) const;

    std::vector<AddedYear> added_;
};

}  // namespace kova
