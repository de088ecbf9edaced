#include "chgu/year_tables.h"

#include "yearly_tables.h"
#include "yeartables/year_number_sets.h"

namespace chgu {

namespace {

constexpr int kFirstTableYear = 2005;
constexpr int kLastBuiltInYear = kFirstTableYear + static_cast<int>(detail::kTableYears) - 1;

}  // namespace

// The file's animals and elements are indexes into the same cycles as
// kAnimalWords and kElementWords.
YearTables::YearTables(const yeartables::FileYears& file) {
    for (const yeartables::YearNumberSets& year : yeartables::NumberSetsOf(file)) {
        added_.push_back({year.animals, year.elements});
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
