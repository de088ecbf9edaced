// Today's date on the local clock, for the defaults that follow the calendar.
#pragma once

namespace platform {

struct LocalDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

// In a build with tests, TIPSTAT_TODAY=YYYY-MM-DD in the environment stands
// in for the clock, so that tests which start a program as a separate
// process (under Wine too, whose clock no tool can move) check one fixed day.
LocalDate LocalDateToday();

}  // namespace platform
