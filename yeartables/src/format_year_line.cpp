#include "yeartables/year_tables_file.h"

#include "yeartables/numbers.h"

namespace yeartables {

// Written as the reader takes it, with the elements in the order 金 木 水 火
// 土 and the numbers of each in ascending order, two digits each.
std::u16string FormatYearLine(const YearRow& row) {
    const std::string year = std::to_string(row.year);
    std::u16string line(year.begin(), year.end());
    line.append(u"|").append(kAnimalNames[row.animal]);
    for (std::size_t element = 0; element < kElementNames.size(); ++element) {
        line.append(u"|").append(kElementNames[element]).append(u":");
        bool first = true;
        for (int number = kFirstNumber; number <= kLastNumber; ++number) {
            if (row.element[static_cast<std::size_t>(number - 1)] != element) {
                continue;
            }
            if (!first) {
                line += u' ';
            }
            first = false;
            AppendTwoDigits(line, number);
        }
    }
    return line;
}

}  // namespace yeartables
