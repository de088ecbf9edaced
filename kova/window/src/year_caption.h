#pragma once

#include <optional>
#include <string>

#include "kova/year_tables.h"

namespace kova {

// The text of the year box Edit3 for a year of the tables, e.g. " 2003(羊)年"
// (the animal of the year in brackets); none for a year outside them.
std::optional<std::u16string> YearCaption(int year, const YearTables& tables);

}  // namespace kova
