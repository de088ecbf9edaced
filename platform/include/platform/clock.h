// Today's date on the local clock, for the defaults that follow the calendar.
#pragma once

namespace platform {

struct LocalDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

LocalDate LocalDateToday();

}  // namespace platform
