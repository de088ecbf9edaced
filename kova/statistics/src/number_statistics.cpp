// 码统计: counts for every number 01..49 how often the text names it, as a
// number or through a word that stands for it in the chosen year.
#include "kova/statistics.h"
#include "number_scan.h"

namespace kova {

namespace {

NumberSet NumbersOf(const detail::WordMeaning& meaning, int year, const YearTables& tables) {
    switch (meaning.kind) {
        case detail::WordMeaning::Kind::kAnimal:
            return tables.NumbersOfAnimal(meaning.index, year);
        case detail::WordMeaning::Kind::kElement:
            return tables.NumbersOfElement(meaning.index, year);
        case detail::WordMeaning::Kind::kFixed:
            break;
    }
    return NumbersOfFixedWord(meaning.family, meaning.index);
}

// Every word found adds 1 to each of its numbers in the year's tables.
NumberCounts CountsForYear(const detail::NumberTally& tally, int year, const YearTables& tables) {
    NumberCounts counts = tally.written;
    for (const auto& [meaning, found] : tally.words) {
        const NumberSet numbers = NumbersOf(meaning, year, tables);
        for (int number : numbers.Numbers()) {
            counts[static_cast<std::size_t>(number)] += found;
        }
    }
    return counts;
}

}  // namespace

NumberCounts CountNumbers(std::string_view text, int year, const YearTables& tables) {
    return CountsForYear(detail::ScanNumberText(text), year, tables);
}

ReportLines NumberStatistics(std::string_view text, int year, Arrangement arrangement) {
    static const YearTables kBuiltIn;
    return NumberStatistics(text, year, arrangement, kBuiltIn);
}

ReportLines NumberStatistics(std::string_view text, int year, Arrangement arrangement,
                             const YearTables& tables) {
    return WriteNumberReport(CountNumbers(text, year, tables), arrangement);
}

}  // namespace kova
