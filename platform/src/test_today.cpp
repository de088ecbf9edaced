#include "test_today.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace platform {

namespace {

// The digits of text[first, first + count), or nothing when there are others.
std::optional<int> Digits(std::string_view text, std::size_t first, std::size_t count) {
    unsigned value = 0;
    const char* begin = text.data() + first;
    const auto [end, error] = std::from_chars(begin, begin + count, value);
    if (error != std::errc() || end != begin + count) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// "YYYY-MM-DD" with a month of 1..12 and a day of 1..31; the calendar's
// finer rules are the code under test's business.
std::optional<LocalDate> ParseDay(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = Digits(text, 0, 4);
    const auto month = Digits(text, 5, 2);
    const auto day = Digits(text, 8, 2);
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31) {
        return std::nullopt;
    }
    return LocalDate{*year, *month, *day};
}

}  // namespace

std::optional<LocalDate> TestToday() {
    const char* text = std::getenv("TIPSTAT_TODAY");
    if (text == nullptr) {
        return std::nullopt;
    }
    const auto date = ParseDay(text);
    if (!date) {
        // A test that meant another day would otherwise pass or fail by the
        // real clock.
        std::fprintf(stderr, "TIPSTAT_TODAY is not a day of the form YYYY-MM-DD: '%s'\n", text);
        std::abort();
    }
    return date;
}

}  // namespace platform
