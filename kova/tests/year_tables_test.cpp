// Program A with a year-tables file: the years it adds after the built-in
// ones, and what the window needs of them (the range of the year selector,
// the animal beside the year).
#include <gtest/gtest.h>

#include <stdexcept>

#include "kova/statistics.h"
#include "kova/year_tables.h"
#include "platform/codepage.h"
#include "report_reading.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace kova {
namespace {

using test::Gbk;
using test::ReadNumberReport;

YearTables GeneratedTables(int last) {
    const auto read = yeartables::ParseYearTables(
        platform::Utf8ToUtf16(yeartables::GeneratedYearTables(2011, last)), u"YearTables.txt");
    EXPECT_FALSE(read.fault);
    return YearTables(read.years);
}

// The numbers a report puts in the group of count 1, as "01 13 ...".
std::string NamedOnce(const ReportLines& report) {
    std::string numbers;
    for (const auto& [item, count] : ReadNumberReport(report)) {
        if (count == 1) {
            numbers.append(numbers.empty() ? "" : " ").append(item);
        }
    }
    return numbers;
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

// A player in 2026 with the release's file: 马 is the year's animal, with
// the five numbers of number 01; 火 the 2026 fire numbers of the almanac.
TEST(YearTables, TheYear2026OfTheReleaseFile) {
    const YearTables tables = GeneratedTables(2040);
    EXPECT_EQ(tables.FirstYear(), 2003);
    EXPECT_EQ(tables.LastYear(), 2040);
    EXPECT_EQ(ZodiacNames[static_cast<std::size_t>(tables.AnimalOfYear(2026) - 1)], Gbk("马"));
    EXPECT_EQ(NamedOnce(NumberStatistics(Gbk("马"), 2026, Arrangement::kOneLine, tables)),
              "01 13 25 37 49");
    EXPECT_EQ(NamedOnce(NumberStatistics(Gbk("火"), 2026, Arrangement::kOneLine, tables)),
              "02 03 10 11 18 19 32 33 40 41 48 49");
    EXPECT_EQ(tables.ElementOfNumber(4, 2026), 1);  // 金, as the file's example line
}

// A year past the file is outside the tables, as any year past 2010 is
// without one. (The differential test compares the years inside them.)
TEST(YearTables, YearsPastTheFileAreOutside) {
    const YearTables with_file = GeneratedTables(2012);
    const YearTables without_file;
    EXPECT_EQ(without_file.LastYear(), 2010);
    EXPECT_THROW(NumberStatistics("", 2013, Arrangement::kWrapped, with_file), std::out_of_range);
    EXPECT_THROW(NumberStatistics("", 2011, Arrangement::kWrapped, without_file),
                 std::out_of_range);
    EXPECT_THROW(with_file.AnimalOfYear(2002), std::out_of_range);
}

}  // namespace
}  // namespace kova
