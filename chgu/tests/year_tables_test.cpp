// Program B with a year-tables file: the table years it adds after the
// built-in 2005..2010, chosen by the change date as any other.
#include <gtest/gtest.h>

#include "chgu/table_year.h"
#include "chgu/year_tables.h"
#include "test_support.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace chgu {
namespace {

using test::kNumberButton;
using test::Text2After;
using test::U16;
using test::U8;

YearTables GeneratedTables(int last) {
    const auto read = yeartables::ParseYearTables(U16(yeartables::GeneratedYearTables(2011, last)),
                                                  u"YearTables.txt");
    EXPECT_FALSE(read.fault);
    return YearTables(read.years);
}

// Text2 after 码统计 on text, the table year chosen by the change date on a
// day, with or without the file's tables.
std::string NumberReportOn(std::string_view text, std::string_view change_date,
                           platform::LocalDate today, const YearTables* tables) {
    const std::u16string TableYear = TableYearFromChangeDate(U16(change_date), today);
    std::int16_t InBracket = 0;
    return U8(
        Text2After(kNumberButton, U16(text), {{TableYear, true, false, tables}, true}, InBracket));
}

// The line of a number report that holds the numbers named once.
std::string NamedOnce(const std::string& report) {
    const std::size_t start = report.find("共01次:");
    return start == std::string::npos ? ""
                                      : report.substr(start, report.find("\r\n", start) - start);
}

// A player with the release's file and the change date 2026年02月17日: from
// that day 马 is the year's animal with the five numbers of number 01, and
// 火 the 2026 fire numbers of the almanac; the day before, 2025's tables.
TEST(ChguYearTables, TheChangeDateOf2026SelectsTheFilesTables) {
    const YearTables tables = GeneratedTables(2040);
    EXPECT_EQ(NamedOnce(NumberReportOn("马", "2026年02月17日", {2026, 3, 1}, &tables)),
              "共01次:01,13,25,37,49,（5码）");
    EXPECT_EQ(NamedOnce(NumberReportOn("火", "2026年02月17日", {2026, 3, 1}, &tables)),
              "共01次:02,03,10,11,18,19,32,33,40,41,48,49,（12码）");
    EXPECT_EQ(NamedOnce(NumberReportOn("马", "2026年02月17日", {2026, 2, 16}, &tables)),
              "共01次:12,24,36,48,（4码）");  // 2025, the year of 蛇
    // Without the file the zodiac words count nothing after 2010, as ever.
    EXPECT_EQ(NamedOnce(NumberReportOn("马", "2026年02月17日", {2026, 3, 1}, nullptr)), "");
}

TEST(ChguYearTables, LookupsSelectTheFilesYearsAndKeepEveryOther) {
    const YearTables tables = GeneratedTables(2030);
    EXPECT_EQ(tables.LastYear(), 2030);
    EXPECT_EQ(YearTables::BuiltIn().LastYear(), 2010);
    EXPECT_EQ(U8(Xiao(u"马", u"2026", tables)), "01,13,25,37,49,");
    EXPECT_EQ(U8(Xiao(u"马", u" 2026年", tables)), "01,13,25,37,49,");  // the leading number
    EXPECT_EQ(U8(WX(u"金", u"2026", tables)), "04,05,12,13,26,27,34,35,42,43,");
    EXPECT_EQ(U8(Xiao(u"马", u"2031", tables)), "");
    EXPECT_EQ(U8(WX(u"金", u"2004", tables)), "");
    EXPECT_EQ(U8(Xiao(u"鼠鼠", u"2026", tables)), "");
    for (const auto year : {u"2005", u"2007", u"2010"}) {
        for (const auto word : kAnimalWords) {
            EXPECT_EQ(Xiao(word, year, tables), Xiao(word, year));
        }
        for (const auto word : kElementWords) {
            EXPECT_EQ(WX(word, year, tables), WX(word, year));
        }
    }
}

}  // namespace
}  // namespace chgu
