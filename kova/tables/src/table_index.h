// Turns the 1-based class indexes and the years of the lookups into array
// slots. The callers never pass anything else; a bad argument is a
// programming error and throws rather than reading outside a table.
#pragma once

#include <cstddef>
#include <stdexcept>

#include "kova/tables.h"

namespace kova::detail {

inline std::size_t SlotOfIndex(int index, std::size_t class_size) {
    if (index < 1 || static_cast<std::size_t>(index) > class_size) {
        throw std::out_of_range("class index outside its word list");
    }
    return static_cast<std::size_t>(index - 1);
}

inline std::size_t RowOfYear(int year) {
    if (year < kFirstYear || year > kLastYear) {
        throw std::out_of_range("year outside the tables (2003..2010)");
    }
    return static_cast<std::size_t>(year - kFirstYear);
}

inline void CheckNumber(int number) {
    if (number < kFirstNumber || number > kLastNumber) {
        throw std::out_of_range("number outside 1..49");
    }
}

}  // namespace kova::detail
