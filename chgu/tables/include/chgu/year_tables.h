// The zodiac and element tables that TableYear can select: the built-in
// table years 2005..2010 and, after them, the years that a year-tables file
// (YearTables.txt beside the program) adds. Without a file every table year
// behaves as the built-in tables alone say.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "chgu/class_words.h"
#include "chgu/lookups.h"
#include "chgu/number_list.h"

namespace yeartables {
struct FileYears;
}

namespace chgu {

class YearTables {
  public:
    // The built-in table years only, as without a file.
    YearTables() = default;
    // The built-in years and the file's years after them. The file's rows
    // must be as the reader gives them (std::invalid_argument otherwise).
    explicit YearTables(const yeartables::FileYears& file);

    // The tables of a window without a file.
    static const YearTables& BuiltIn();

    // The last table year with tables: 2010, or the file's last year.
    int LastYear() const;

    // The column TableYear selects: its leading number minus 2005, when
    // that is a year of the tables; columns 0..5 are the built-in years.
    TableColumn ColumnOf(std::u16string_view TableYear) const;

    NumberSet NumbersOfAnimal(std::size_t animal, TableColumn column) const;
    NumberSet NumbersOfElement(std::size_t element, TableColumn column) const;

  private:
    struct AddedYear {
        std::array<NumberSet, kAnimalWords.size()> animals{};
        std::array<NumberSet, kElementWords.size()> elements{};
    };
    // The file's year of a column; nullptr for a built-in column.
    const AddedYear* Added(std::size_t column) const;

    std::vector<AddedYear> added_;
};

// Xiao and WX with a year-tables file in force.
std::u16string Xiao(std::u16string_view word, std::u16string_view TableYear,
                    const YearTables& tables);
std::u16string WX(std::u16string_view word, std::u16string_view TableYear,
                  const YearTables& tables);

}  // namespace chgu
