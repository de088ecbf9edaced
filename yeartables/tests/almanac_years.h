// Three years after 2010 written out by hand from the sixty-year cycle (the
// animal of each year, and the sound element of each year for the number
// it falls on), so that tests of the tools' year tables compare with tables
// that no code of the project computed.
#pragma once

#include <vector>

#include "random_year_tables_file.h"

namespace yeartables::test {

// 2011, 2026 and 2040.
std::vector<WrittenYear> AlmanacYears();

}  // namespace yeartables::test
