#include "chgu/table_year.h"

#include <cstdint>
#include <optional>

#include "chgu/class_words.h"
#include "chgu/lookups.h"

namespace chgu {

namespace {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t DaysSinceEpoch(platform::LocalDate date) {
    const std::int64_t y = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t year_of_era = y - era * 400;
    const std::int64_t month_from_march = (date.month + 9) % 12;
    const std::int64_t day_of_year = (153 * month_from_march + 2) / 5 + date.day - 1;
    const std::int64_t day_of_era =
        year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

// The two ASCII digits at positions first and first + 1 (counted from 0).
std::optional<int> TwoDigitsAt(std::u16string_view text, std::size_t first) {
    if (first + 1 >= text.size() || !IsDigit(text[first]) || !IsDigit(text[first + 1])) {
        return std::nullopt;
    }
    return DigitValue(text[first]) * 10 + DigitValue(text[first + 1]);
}

// The year of the change date. Four digits in characters 1..4 are the year
// as written. Otherwise characters 3 and 4 are read as a two-digit year, 00..29
// being 2000..2029 and 30..99 1930..1999: that reading alone would take a
// change date of 2030 for one of 1930, long passed, and switch the tables
// before the new year begins.
std::optional<int> YearOf(std::u16string_view text3) {
    const auto century = TwoDigitsAt(text3, 0);
    const auto year = TwoDigitsAt(text3, 2);
    if (!year) {
        return std::nullopt;
    }
    if (century) {
        return *century * 100 + *year;
    }
    return *year < 30 ? 2000 + *year : 1900 + *year;
}

// The change date: the year as above, the month from characters 6 and 7 and
// the day from 9 and 10, always in this order.
std::optional<platform::LocalDate> ChangeDateOf(std::u16string_view text3) {
    const auto year = YearOf(text3);
    const auto month = TwoDigitsAt(text3, 5);
    const auto day = TwoDigitsAt(text3, 8);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const platform::LocalDate date{*year, *month, *day};
    if (date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.year, date.month)) {
        return std::nullopt;
    }
    return date;
}

}  // namespace

std::u16string TableYearFromChangeDate(std::u16string_view text3, platform::LocalDate today) {
    const std::u16string_view year_text = text3.substr(0, 4);
    const auto change = ChangeDateOf(text3);
    if (change && DaysSinceEpoch(*change) > DaysSinceEpoch(today)) {
        return DecimalText(LeadingNumber(year_text) - 1);
    }
    return std::u16string(year_text);
}

}  // namespace chgu
