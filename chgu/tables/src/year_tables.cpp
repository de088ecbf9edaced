#include "chgu/year_tables.h"

#include <stdexcept>

#include "yearly_tables.h"
#include "yeartables/year_row.h"

namespace chgu {

namespace {

constexpr int kFirstTableYear = 2005;
constexpr int kLastBuiltInYear = kFirstTableYear + static_cast<int>(detail::kTableYears) - 1;

}  // namespace

// The file's animal is that of number 01; each following number carries the
// animal before it in the cycle, n the same as n - 12. Animals and elements
// are indexes into the same cycles as kAnimalWords and kElementWords.
YearTables::YearTables(const yeartables::FileYears& file) {
    constexpr int kCycle = static_cast<int>(kAnimalWords.size());
    for (const yeartables::YearRow& row : file.rows) {
        if (row.year != LastYear() + 1 || row.animal >= kAnimalWords.size()) {
            throw std::invalid_argument("year tables: rows not as the reader gives them");
        }
        AddedYear added;
        for (int number = kFirstNumber; number <= kLastNumber; ++number) {
            const int animal = ((row.animal - (number - 1)) % kCycle + kCycle) % kCycle;
            added.animals[static_cast<std::size_t>(animal)] |= NumberBit(number);
            const std::size_t element = row.element[static_cast<std::size_t>(number - 1)];
            if (element >= added.elements.size()) {
                throw std::invalid_argument("year tables: element outside 金 木 水 火 土");
            }
            added.elements[element] |= NumberBit(number);
        }
        added_.push_back(added);
    }
}

const YearTables& YearTables::BuiltIn() {
    static const YearTables kBuiltIn;
    return kBuiltIn;
}

int YearTables::LastYear() const {
    return kLastBuiltInYear + static_cast<int>(added_.size());
}

TableColumn YearTables::ColumnOf(std::u16string_view TableYear) const {
    const std::int64_t column = LeadingNumber(TableYear) - kFirstTableYear;
    if (column < 0 || column > LastYear() - kFirstTableYear) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(column);
}

const YearTables::AddedYear* YearTables::Added(std::size_t column) const {
    return column < detail::kTableYears ? nullptr : &added_.at(column - detail::kTableYears);
}

NumberSet YearTables::NumbersOfAnimal(std::size_t animal, TableColumn column) const {
    if (!column) {
        return 0;
    }
    const AddedYear* added = Added(*column);
    return added ? added->animals.at(animal) : chgu::NumbersOfAnimal(animal, column);
}

NumberSet YearTables::NumbersOfElement(std::size_t element, TableColumn column) const {
    if (!column) {
        return 0;
    }
    const AddedYear* added = Added(*column);
    return added ? added->elements.at(element) : chgu::NumbersOfElement(element, column);
}

}  // namespace chgu
