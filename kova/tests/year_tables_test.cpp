// Program A with a year-tables file: the years it adds after the built-in
// ones, and what the window needs of them (the range of the year selector,
// the animal beside the year).
#include <gtest/gtest.h>

#include <stdexcept>

#include "kova/statistics.h"
#include "kova/year_tables.h"
#include "platform/codepage.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace kova {
namespace {

YearTables GeneratedTables(int last) {
    const auto read = yeartables::ParseYearTables(
        platform::Utf8ToUtf16(yeartables::GeneratedYearTables(2011, last)), u"YearTables.txt");
    EXPECT_FALSE(read.fault);
    return YearTables(read.years);
}

// The file's words and the program's share their cycles: the reader's
// animal and element indexes are the program's class indexes less one.
TEST(YearTables, TheFilesCyclesAreTheProgramsClassLists) {
    for (std::size_t i = 0; i < ZodiacNames.size(); ++i) {
        EXPECT_EQ(platform::Utf16ToGbk(yeartables::kAnimalNames[i]), ZodiacNames[i]);
    }
    for (std::size_t i = 0; i < ElementNames.size(); ++i) {
        EXPECT_EQ(platform::Utf16ToGbk(yeartables::kElementNames[i]), ElementNames[i]);
    }
}

// A year past the file is outside the tables, as any year past 2010 is
// without one. (The differential test compares the years inside them; the
// 2026 of the release's file, 马 火 金, goes through kova-cli against the
// hand-written almanac in cli_year_tables_test.cpp.)
TEST(YearTables, YearsPastTheFileAreOutside) {
    const YearTables with_file = GeneratedTables(2012);
    const YearTables without_file;
    EXPECT_EQ(with_file.FirstYear(), 2003);
    EXPECT_EQ(with_file.LastYear(), 2012);
    EXPECT_EQ(without_file.LastYear(), 2010);
    EXPECT_THROW(NumberStatistics("", 2013, Arrangement::kWrapped, with_file), std::out_of_range);
    EXPECT_THROW(NumberStatistics("", 2011, Arrangement::kWrapped, without_file),
                 std::out_of_range);
    EXPECT_THROW(with_file.AnimalOfYear(2002), std::out_of_range);
}

}  // namespace
}  // namespace kova
