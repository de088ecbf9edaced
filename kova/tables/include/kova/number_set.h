// A set of lottery numbers 1..49, as the tables and the number statistics use
// them. The tables write their sets as lists of two-digit numbers ("01 13
// 25"); FromList reads such a list, at compile time for the built-in tables,
// so a malformed table row does not compile.
#pragma once

#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "yeartables/numbers.h"

namespace kova {

using yeartables::kFirstNumber;
using yeartables::kLastNumber;

class NumberSet {
  public:
    constexpr NumberSet() = default;

    // Reads two-digit numbers separated by single spaces, e.g. "01 07 13".
    static constexpr NumberSet FromList(std::string_view list) {
        NumberSet set;
        for (std::size_t pos = 0; pos < list.size(); pos += 3) {
            const bool well_formed = pos + 2 <= list.size() && IsDigit(list[pos]) &&
                                     IsDigit(list[pos + 1]) &&
                                     (pos + 2 == list.size() || list[pos + 2] == ' ');
            if (!well_formed) {
                throw std::invalid_argument("number list: two-digit numbers expected");
            }
            set.Add((list[pos] - '0') * 10 + (list[pos + 1] - '0'));
        }
        return set;
    }

    // Bit n set for number n, as the year-tables file's sets come; bits
    // outside 1..49 are no numbers.
    static constexpr NumberSet FromBits(std::uint64_t bits) {
        return NumberSet(bits & (((std::uint64_t{1} << kLastNumber) - 1) << kFirstNumber));
    }

    // The numbers 1..49 that satisfy the predicate.
    template <typename Predicate>
    static constexpr NumberSet Where(Predicate predicate) {
        NumberSet set;
        for (int number = kFirstNumber; number <= kLastNumber; ++number) {
            if (predicate(number)) {
                set.Add(number);
            }
        }
        return set;
    }

    constexpr void Add(int number) {
        if (number < kFirstNumber || number > kLastNumber) {
            throw std::out_of_range("number outside 1..49");
        }
        bits_ |= std::uint64_t{1} << number;
    }

    constexpr bool Contains(int number) const {
        return number >= kFirstNumber && number <= kLastNumber && ((bits_ >> number) & 1U) != 0;
    }

    constexpr int Size() const { return std::popcount(bits_); }
    constexpr bool Empty() const { return bits_ == 0; }

    // The members in ascending order.
    std::vector<int> Numbers() const {
        std::vector<int> numbers;
        for (int number = kFirstNumber; number <= kLastNumber; ++number) {
            if (Contains(number)) {
                numbers.push_back(number);
            }
        }
        return numbers;
    }

    friend constexpr NumberSet operator&(NumberSet a, NumberSet b) {
        return NumberSet(a.bits_ & b.bits_);
    }
    friend constexpr NumberSet operator|(NumberSet a, NumberSet b) {
        return NumberSet(a.bits_ | b.bits_);
    }
    friend constexpr bool operator==(NumberSet a, NumberSet b) = default;

  private:
    constexpr explicit NumberSet(std::uint64_t bits) : bits_(bits) {}
    static constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    std::uint64_t bits_ = 0;
};

}  // namespace kova
