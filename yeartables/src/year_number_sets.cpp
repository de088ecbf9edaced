#include "yeartables/year_number_sets.h"

#include <stdexcept>

#include "yeartables/numbers.h"

namespace yeartables {

std::vector<YearNumberSets> NumberSetsOf(const FileYears& file) {
    std::vector<YearNumberSets> years;
    years.reserve(file.rows.size());
    for (const YearRow& row : file.rows) {
        if (row.year != kFirstFileYear + static_cast<int>(years.size()) ||
            row.animal >= kAnimalNames.size()) {
            throw std::invalid_argument("year tables: rows not as the reader gives them");
        }
        YearNumberSets sets;
        sets.year = row.year;
        sets.animal = row.animal;
        for (int number = kFirstNumber; number <= kLastNumber; ++number) {
            const NumberBits bit = NumberBits{1} << number;
            sets.animals[static_cast<std::size_t>(AnimalOfNumber(row.animal, number))] |= bit;
            const std::size_t element = row.element[static_cast<std::size_t>(number - 1)];
            if (element >= kElementNames.size()) {
                throw std::invalid_argument("year tables: element outside 金 木 水 火 土");
            }
            sets.elements[element] |= bit;
        }
        years.push_back(sets);
    }
    return years;
}

}  // namespace yeartables
