// The lottery's numbers, 01..49, and the two ways both programs write them:
// in two digits in reports, number lists and on the number buttons ("05"),
// and in plain decimal where a range is typed ("5").
#pragma once

#include <string>

namespace yeartables {

inline constexpr int kFirstNumber = 1;
inline constexpr int kLastNumber = 49;
inline constexpr int kNumberCount = kLastNumber - kFirstNumber + 1;

// Appends a number of 0..99 in two digits, with a leading zero below 10.
template <typename Char>
void AppendTwoDigits(std::basic_string<Char>& out, int number) {
    out.push_back(static_cast<Char>('0' + number / 10));
    out.push_back(static_cast<Char>('0' + number % 10));
}

template <typename Char = char16_t>
std::basic_string<Char> TwoDigitText(int number) {
    std::basic_string<Char> text;
    AppendTwoDigits(text, number);
    return text;
}

// A value in decimal: a minus sign before a negative one, no leading zeros.
template <typename Char = char16_t>
std::basic_string<Char> DecimalText(long long value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

}  // namespace yeartables
