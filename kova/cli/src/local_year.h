#pragma once

namespace kova::cli {

// The calendar year of today's date on the local clock.
int LocalYearToday();

}  // namespace kova::cli
