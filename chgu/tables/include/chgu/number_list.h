// Sets of numbers 01..49 and their text form, the number list: two-digit
// numbers in ascending order, each followed by a comma ("01,13,25,37,49,").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "yeartables/numbers.h"

namespace chgu {

// Bit n is set when number n (1..49) belongs to the set.
using NumberSet = std::uint64_t;

using yeartables::kFirstNumber;
using yeartables::kLastNumber;

constexpr NumberSet NumberBit(int number) {
    return NumberSet{1} << number;
}

// Reads a number list written as the tables print it.
constexpr NumberSet ParseNumberList(std::u16string_view list) {
    NumberSet set = 0;
    for (std::size_t i = 0; i + 2 < list.size(); i += 3) {
        set |= NumberBit((list[i] - u'0') * 10 + (list[i + 1] - u'0'));
    }
    return set;
}

// The numbers 01..49 for which predicate(number) holds.
template <typename Predicate>
constexpr NumberSet NumbersWhere(Predicate predicate) {
    NumberSet set = 0;
    for (int n = kFirstNumber; n <= kLastNumber; ++n) {
        if (predicate(n)) {
            set |= NumberBit(n);
        }
    }
    return set;
}

using yeartables::AppendTwoDigits;
using yeartables::DecimalText;
void AppendNumberList(std::u16string& out, NumberSet set);
std::u16string NumberListText(NumberSet set);

}  // namespace chgu
