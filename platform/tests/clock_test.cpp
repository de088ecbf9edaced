// The day a test gives the programs through the environment.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/clock.h"

namespace {

void SetToday(const char* text) {
#ifdef _WIN32
    _putenv_s("TIPSTAT_TODAY", text);  // "" removes it
#else
    if (*text == '\0') {
        unsetenv("TIPSTAT_TODAY");
    } else {
        setenv("TIPSTAT_TODAY", text, 1);
    }
#endif
}

TEST(TestClock, TheGivenDayStandsInForTheClockAndAMalformedOneStopsTheProgram) {
    SetToday("2041-06-30");
    const platform::LocalDate today = platform::LocalDateToday();
    EXPECT_EQ(today.year, 2041);
    EXPECT_EQ(today.month, 6);
    EXPECT_EQ(today.day, 30);
    for (const char* malformed : {"2041-6-30", "2041-13-01", "2041-06-3x", "+041-06-30"}) {
        SetToday(malformed);
        EXPECT_DEATH(platform::LocalDateToday(), "TIPSTAT_TODAY is not a day") << malformed;
    }
    SetToday("");
}

}  // namespace
