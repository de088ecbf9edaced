// The lookups, the yearly tables, the table year and the bracket filter.
#include <gtest/gtest.h>

#include <bit>

#include "chgu/bracket_filter.h"
#include "chgu/class_words.h"
#include "chgu/lookups.h"
#include "chgu/table_year.h"
#include "test_support.h"

namespace chgu {
namespace {

using test::U16;
using test::U8;

std::string XiaoIn(std::string_view year, std::string_view word) {
    return U8(Xiao(U16(word), U16(year)));
}

TEST(Lookups, ZodiacFollowsTheTableYear) {
    EXPECT_EQ(XiaoIn("2008", "鼠"), "01,13,25,37,49,");
    EXPECT_EQ(XiaoIn("2010", "鼠"), "03,15,27,39,");
    EXPECT_EQ(XiaoIn("2005", "猪"), "11,23,35,47,");
    EXPECT_EQ(XiaoIn("2011", "鼠"), "");
    EXPECT_EQ(XiaoIn("2004", "鼠"), "");
    EXPECT_EQ(XiaoIn("", "鼠"), "");  // before the first start-up sequence
    // The leading number of TableYear counts, whatever follows it.
    EXPECT_EQ(XiaoIn(" 2008年", "鼠"), "01,13,25,37,49,");
}

TEST(Lookups, ElementsFollowTheTableYear) {
    EXPECT_EQ(U8(WX(u"火", u"2006")), "12,13,20,21,28,29,42,43,");
    EXPECT_EQ(U8(WX(u"水", u"2010")), "01,06,07,14,15,28,29,36,37,44,45,");
    EXPECT_EQ(U8(WX(u"金", u"2012")), "");
}

TEST(Lookups, FixedFamilies) {
    EXPECT_EQ(U8(Tou(u"0头")), "01,02,03,04,05,06,07,08,09,");
    EXPECT_EQ(U8(Tou(u"4头")), "40,41,42,43,44,45,46,47,48,49,");
    EXPECT_EQ(U8(Tou(u"5头")), "");
    EXPECT_EQ(U8(Wei(u"0尾")), "10,20,30,40,");
    EXPECT_EQ(U8(Wei(u"9尾")), "09,19,29,39,49,");
    EXPECT_EQ(U8(He(u"0合")), "");
    EXPECT_EQ(U8(He(u"1合")), "01,10,");
    EXPECT_EQ(U8(He(u"10合")), "19,28,37,46,");
    EXPECT_EQ(U8(He(u"13合")), "49,");
    EXPECT_EQ(U8(Bo(u"绿")), "05,06,11,16,17,21,22,27,28,32,33,38,39,43,44,49,");
    EXPECT_EQ(std::popcount(ParseNumberList(Sd(u"单"))), 25);
    EXPECT_EQ(std::popcount(ParseNumberList(Sd(u"双"))), 24);
    EXPECT_EQ(U8(Sz(u"合小")),
              "01,02,03,04,05,06,10,11,12,13,14,15,20,21,22,23,24,30,31,32,33,40,41,42,");
    EXPECT_EQ(U8(Sz(u"红单")), "01,07,13,19,23,29,35,45,");
    EXPECT_EQ(U8(Sz(u"绿双")), "06,16,22,28,32,38,44,");
}

TEST(Lookups, WordsMustMatchExactly) {
    EXPECT_EQ(U8(Tou(u"０头")), "");  // full-width digit
    EXPECT_EQ(U8(Tou(u" 0头")), "");
    EXPECT_EQ(U8(Wei(u"0尾 ")), "");
    EXPECT_EQ(U8(Bo(u"红单")), "");  // a word of another family
    EXPECT_EQ(U8(Xiao(u"鼠鼠", u"2008")), "");
}

// Number 01 carries the animal of the year, each following number the
// animal before it in the cycle, and n the same animal as n - 12.
TEST(YearlyTables, ZodiacTablesFollowTheCycle) {
    const int year_animal[6] = {9, 10, 11, 0, 1, 2};  // 2005 鸡 .. 2010 虎
    for (std::size_t column = 0; column < 6; ++column) {
        for (std::size_t animal = 0; animal < kAnimalWords.size(); ++animal) {
            const NumberSet expected = NumbersWhere([&](int n) {
                return (year_animal[column] - (n - 1) % 12 + 12) % 12 == static_cast<int>(animal);
            });
            EXPECT_EQ(NumbersOfAnimal(animal, column), expected)
                << 2005 + column << " " << U8(kAnimalWords[animal]);
        }
    }
}

// Each year the five lists share out 01..49; from one year to the next every
// number from 02 on takes the element n - 1 had the year before.
TEST(YearlyTables, ElementTablesShiftByOneNumberAYear) {
    for (std::size_t column = 0; column < 6; ++column) {
        NumberSet all = 0;
        for (std::size_t element = 0; element < kElementWords.size(); ++element) {
            EXPECT_EQ(all & NumbersOfElement(element, column), 0u);
            all |= NumbersOfElement(element, column);
        }
        EXPECT_EQ(all, NumbersWhere([](int) { return true; }));
        if (column == 0) {
            continue;
        }
        for (std::size_t element = 0; element < kElementWords.size(); ++element) {
            const NumberSet shifted = (NumbersOfElement(element, column - 1) << 1) &
                                      NumbersWhere([](int n) { return n >= 2; });
            EXPECT_EQ(NumbersOfElement(element, column) & ~NumberBit(1), shifted)
                << 2005 + column << " " << U8(kElementWords[element]);
        }
    }
}

std::string TableYearOn(std::string_view text3, platform::LocalDate today) {
    return U8(TableYearFromChangeDate(U16(text3), today));
}

TEST(TableYear, TurnsOnTheChangeDate) {
    EXPECT_EQ(TableYearOn("2007年02月18日", {2007, 2, 17}), "2006");
    EXPECT_EQ(TableYearOn("2007年02月18日", {2007, 2, 18}), "2007");
    EXPECT_EQ(TableYearOn("2007年02月18日", {2009, 12, 31}), "2007");
    EXPECT_EQ(TableYearOn("2006年01月29日", {2006, 1, 29}), "2006");
    EXPECT_EQ(TableYearOn("2006年01月29日", {2026, 7, 1}), "2006");
    EXPECT_EQ(TableYearOn("2006年01月29日", {2006, 1, 28}), "2005");
}

// Four digits in front are the year as written: a change date in 2030 or
// later turns the tables on its day, like any other.
TEST(TableYear, ChangeDatesFrom2030OnTurnOnTheirDay) {
    EXPECT_EQ(TableYearOn("2030年02月03日", {2030, 2, 2}), "2029");
    EXPECT_EQ(TableYearOn("2030年02月03日", {2030, 2, 3}), "2030");
    EXPECT_EQ(TableYearOn("2030年02月03日", {2029, 12, 31}), "2029");
    EXPECT_EQ(TableYearOn("2030年02月03日", {2031, 1, 1}), "2030");
    EXPECT_EQ(TableYearOn("2099年12月31日", {2099, 12, 30}), "2098");
    EXPECT_EQ(TableYearOn("2029年06月01日", {2020, 1, 1}), "2028");
    EXPECT_EQ(TableYearOn("1999年06月01日", {2020, 1, 1}), "1999");
}

// Without four digits in front, characters 3 and 4 are a two-digit year:
// 00..29 the 2000s, 30..99 the 1900s.
TEST(TableYear, TwoDigitYearsWithoutACenturyFrom30OnAreThe1900s) {
    EXPECT_EQ(TableYearOn("  29年06月01日", {2020, 1, 1}), "28");
    EXPECT_EQ(TableYearOn("  30年06月01日", {2020, 1, 1}), "  30");  // 1930, long passed
}

TEST(TableYear, TextThatIsNoDateCountsAsPassed) {
    EXPECT_EQ(TableYearOn("2009年13月01日", {2000, 1, 1}), "2009");
    EXPECT_EQ(TableYearOn("2009年02月30日", {2000, 1, 1}), "2009");
    EXPECT_EQ(TableYearOn("2009-2-5", {2000, 1, 1}), "2009");
    EXPECT_EQ(TableYearOn("２００９年０２月０１日", {2000, 1, 1}), "２００９");
    EXPECT_EQ(TableYearOn("20", {2000, 1, 1}), "20");
    EXPECT_EQ(TableYearOn("", {2000, 1, 1}), "");
    EXPECT_EQ(TableYearOn("2008年02月29日", {2008, 2, 28}), "2007");  // a leap day is a date
}

std::string Filtered(std::string_view text, bool Check1, std::int16_t& InBracket) {
    std::u16string out;
    for (const char16_t c : U16(text)) {
        out += Fg(std::u16string(1, c), Check1, InBracket);
    }
    return U8(out);
}

TEST(BracketFilter, SkipsFromOpeningToClosingBracket) {
    std::int16_t InBracket = 0;
    EXPECT_EQ(Filtered("a【b c】d", true, InBracket), "a    】d");
    EXPECT_EQ(InBracket, 0);
    EXPECT_EQ(Filtered("〖x】y", true, InBracket), "  】y");
    EXPECT_EQ(Filtered("【鼠〗牛", true, InBracket), "  〗牛");
    EXPECT_EQ(Filtered("【【a】b", true, InBracket), "   】b");  // no nesting
}

TEST(BracketFilter, UnclosedBracketSilencesTheRest) {
    std::int16_t InBracket = 0;
    EXPECT_EQ(Filtered("1【2\r\n3", true, InBracket), "1     ");
    EXPECT_EQ(InBracket, 1);
    // A window of several characters never moves the flag.
    EXPECT_EQ(U8(Fg(u"1头", true, InBracket)), " ");
    InBracket = 0;
    EXPECT_EQ(U8(Fg(u"【1", true, InBracket)), "【1");
    EXPECT_EQ(InBracket, 0);
}

TEST(BracketFilter, ClearedCheckBoxPassesEverything) {
    std::int16_t InBracket = 1;
    EXPECT_EQ(Filtered("a【b】c", false, InBracket), "a【b】c");
    EXPECT_EQ(InBracket, 1);
}

}  // namespace
}  // namespace chgu
