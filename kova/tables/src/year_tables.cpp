#include "kova/year_tables.h"

#include <stdexcept>

#include "table_index.h"
#include "yeartables/year_number_sets.h"
#include "zodiac_cycle.h"

namespace kova {

// The file's animals and elements are indexes into the same cycles as
// ZodiacNames and ElementNames, from 0.
YearTables::YearTables(const yeartables::FileYears& file) {
    for (const yeartables::YearNumberSets& year : yeartables::NumberSetsOf(file)) {
        AddedYear added;
        added.animal = year.animal + 1;
        for (std::size_t i = 0; i < added.elements.size(); ++i) {
            added.elements[i] = NumberSet::FromBits(year.elements[i]);
        }
        added_.push_back(added);
    }
}

const YearTables::AddedYear* YearTables::Added(int year) const {
    if (year <= kLastYear) {
        return nullptr;
    }
    if (year > LastYear()) {
        throw std::out_of_range("year outside the tables");
    }
    return &added_[static_cast<std::size_t>(year - kLastYear - 1)];
}

NumberSet YearTables::NumbersOfAnimal(int animal, int year) const {
    if (Added(year) == nullptr) {
        return kova::NumbersOfAnimal(animal, year);
    }
    detail::SlotOfIndex(animal, ZodiacNames.size());
    return NumberSet::Where([&](int n) { return AnimalOfNumber(n, year) == animal; });
}

int YearTables::AnimalOfNumber(int number, int year) const {
    const AddedYear* added = Added(year);
    if (added == nullptr) {
        return kova::AnimalOfNumber(number, year);
    }
    detail::CheckNumber(number);
    return detail::AnimalInCycle(added->animal, number);
}

NumberSet YearTables::NumbersOfElement(int element, int year) const {
    const AddedYear* added = Added(year);
    if (added == nullptr) {
        return kova::NumbersOfElement(element, year);
    }
    return added->elements[detail::SlotOfIndex(element, added->elements.size())];
}

int YearTables::ElementOfNumber(int number, int year) const {
    const AddedYear* added = Added(year);
    if (added == nullptr) {
        return kova::ElementOfNumber(number, year);
    }
    detail::CheckNumber(number);
    for (std::size_t i = 0; i < added->elements.size(); ++i) {
        if (added->elements[i].Contains(number)) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;  // not reached: the reader gives every number its element
}

}  // namespace kova
