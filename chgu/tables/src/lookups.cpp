#include "chgu/lookups.h"

#include <limits>
#include <span>

#include "chgu/class_words.h"
#include "chgu/year_tables.h"
#include "fixed_tables.h"
#include "yearly_tables.h"

namespace chgu {

namespace {

// The number list of word in its family, or "" when word is not one of the
// family's class words.
template <typename NumbersOf>
std::u16string ListOfWord(std::span<const std::u16string_view> words, std::u16string_view word,
                          NumbersOf numbers_of) {
    const auto index = IndexOfWord(words, word);
    return index ? NumberListText(numbers_of(*index)) : std::u16string();
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

}  // namespace

std::int64_t LeadingNumber(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 10 - 9;
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (value < kLimit) {
            value = value * 10 + DigitValue(text[i]);
        }
    }
    return negative ? -value : value;
}

NumberSet NumbersOfAnimal(std::size_t animal, TableColumn column) {
    return column ? detail::ZodiacTable()[animal][*column] : 0;
}
NumberSet NumbersOfElement(std::size_t element, TableColumn column) {
    return column ? detail::ElementTable()[element][*column] : 0;
}
NumberSet NumbersOfHead(std::size_t head) {
    return detail::HeadTable()[head];
}
NumberSet NumbersOfTail(std::size_t tail) {
    return detail::TailTable()[tail];
}
NumberSet NumbersOfColour(std::size_t colour) {
    return detail::ColourTable()[colour];
}
NumberSet NumbersOfDigitSum(std::size_t digit_sum) {
    return detail::DigitSumTable()[digit_sum];
}
NumberSet NumbersOfParity(std::size_t parity) {
    return detail::ParityTable()[parity];
}
NumberSet NumbersOfSize(std::size_t size) {
    return detail::SizeTable()[size];
}
NumberSet NumbersOfCompound(std::size_t compound) {
    return detail::CompoundTable()[compound];
}

std::u16string Xiao(std::u16string_view word, std::u16string_view TableYear) {
    return Xiao(word, TableYear, YearTables::BuiltIn());
}
std::u16string WX(std::u16string_view word, std::u16string_view TableYear) {
    return WX(word, TableYear, YearTables::BuiltIn());
}
std::u16string Xiao(std::u16string_view word, std::u16string_view TableYear,
                    const YearTables& tables) {
    const TableColumn column = tables.ColumnOf(TableYear);
    return ListOfWord(kAnimalWords, word,
                      [&](std::size_t i) { return tables.NumbersOfAnimal(i, column); });
}
std::u16string WX(std::u16string_view word, std::u16string_view TableYear,
                  const YearTables& tables) {
    const TableColumn column = tables.ColumnOf(TableYear);
    return ListOfWord(kElementWords, word,
                      [&](std::size_t i) { return tables.NumbersOfElement(i, column); });
}
std::u16string Tou(std::u16string_view word) {
    return ListOfWord(kHeadWords, word, NumbersOfHead);
}
std::u16string Wei(std::u16string_view word) {
    return ListOfWord(kTailWords, word, NumbersOfTail);
}
std::u16string Bo(std::u16string_view word) {
    return ListOfWord(kColourWords, word, NumbersOfColour);
}
std::u16string He(std::u16string_view word) {
    return ListOfWord(kDigitSumWords, word, NumbersOfDigitSum);
}
std::u16string Sd(std::u16string_view word) {
    return ListOfWord(kParityWords, word, NumbersOfParity);
}
std::u16string Bs(std::u16string_view word) {
    return ListOfWord(kSizeWords, word, NumbersOfSize);
}
std::u16string Sz(std::u16string_view word) {
    return ListOfWord(kCompoundWords, word, NumbersOfCompound);
}

}  // namespace chgu
