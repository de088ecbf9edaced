#include <gtest/gtest.h>

#include "kova/statistics.h"
#include "report_reading.h"

using namespace kova;
using kova::test::Gbk;
using kova::test::ReadNumberReport;
using kova::test::Utf8Lines;

namespace {

// The count the number report gives a number ("05").
long long CountOf(std::string_view utf8, const std::string& number, int year = 2003) {
    return ReadNumberReport(NumberStatistics(Gbk(utf8), year, Arrangement::kOneLine)).at(number);
}

}  // namespace

// The worked examples (worked_examples.cpp) show the reports whole.

TEST(NumberStatistics, WrittenNumbersCountOnlyWhereTheyEnd) {
    EXPECT_EQ(CountOf("5", "05"), 1);
    EXPECT_EQ(CountOf("05", "05"), 1);
    EXPECT_EQ(CountOf("5号", "05"), 0);
    EXPECT_EQ(CountOf("05号", "05"), 0);
    EXPECT_EQ(CountOf("2004年", "04"), 1);
    EXPECT_EQ(CountOf("123", "23"), 1);
    EXPECT_EQ(CountOf("123", "12"), 0);
    EXPECT_EQ(ReadNumberReport(NumberStatistics(Gbk("100 00 50 99"), 2003, Arrangement::kOneLine))
                  .at("01"),
              0);
    EXPECT_EQ(CountOf("共01次 （共00码）", "01"), 0);
    EXPECT_EQ(CountOf("构5,", "05"), 0);  // 构 ends in the byte B9
    EXPECT_EQ(CountOf("构05,", "05"), 1);
    EXPECT_EQ(CountOf("5尾", "05"), 1);  // the tail word, not the digit
    EXPECT_EQ(CountOf("5尾", "15"), 1);
}

TEST(NumberStatistics, DigitWordsCountTheirNumbersAndNotTheirDigits) {
    EXPECT_EQ(CountOf("3头", "03"), 0);
    EXPECT_EQ(CountOf("3头", "35"), 1);
    EXPECT_EQ(CountOf("10合", "10"), 0);
    EXPECT_EQ(CountOf("10合", "46"), 1);
    EXPECT_EQ(CountOf("11合", "38"), 1);
    EXPECT_EQ(CountOf("11合", "11"), 0);
    EXPECT_EQ(CountOf("11合", "10"), 0);  // not 1合
    EXPECT_EQ(CountOf("21合", "10"), 1);  // only a "1" before changes the word
    EXPECT_EQ(CountOf("0头", "09"), 1);
    EXPECT_EQ(CountOf("0尾", "40"), 1);
}

TEST(NumberStatistics, MarksBeforeWordsAndDigits) {
    EXPECT_EQ(CountOf("九：", "07"), 0);  // 牛 of 2003 is 07 19 31 43
    EXPECT_EQ(CountOf("号：", "07"), 0);
    EXPECT_EQ(CountOf("：05", "05"), 1);
    EXPECT_EQ(CountOf("：5,", "05"), 0);
    EXPECT_EQ(CountOf("九3头", "35"), 1);  // the word after a removed mark still counts
}

TEST(NumberStatistics, SumPrefixAndColourSpellings) {
    EXPECT_EQ(CountOf("合单", "10"), 1);
    EXPECT_EQ(CountOf("合单", "11"), 0);
    EXPECT_EQ(CountOf("单", "11"), 1);
    EXPECT_EQ(CountOf("合大", "07"), 1);
    EXPECT_EQ(CountOf("合大", "25"), 1);
    EXPECT_EQ(CountOf("大", "07"), 0);
    EXPECT_EQ(CountOf("兰", "03"), 1);
    EXPECT_EQ(CountOf("蓝", "03"), 1);
    EXPECT_EQ(CountOf("鼠", "08", 2003), 1);
    EXPECT_EQ(CountOf("鼠", "01", 2008), 1);
    EXPECT_EQ(CountOf("金", "01", 2008), 0);
    EXPECT_EQ(CountOf("火", "01", 2008), 1);
}

TEST(NumberStatistics, CountsOfTenAndMoreAreWrittenInFull) {
    std::string text;
    for (int i = 0; i < 105; ++i)
        text += "07,";
    const ReportLines lines = NumberStatistics(Gbk(text), 2003, Arrangement::kWrapped);
    EXPECT_EQ(Utf8Lines({lines.back()}), "共105次：07,（1码）");
    text = "";
    for (int i = 0; i < 12; ++i)
        text += "单";
    // 25 odd numbers with a count of 12: 10 per line after the header.
    const std::string wrapped = Utf8Lines(NumberStatistics(Gbk(text), 2003, Arrangement::kWrapped));
    EXPECT_NE(wrapped.find("共12次：01,03,05,07,09,11,13,15,17,19,（10码）\n        21,"),
              std::string::npos);
}

TEST(ReportText, EndsEveryLineWithCrLf) {
    EXPECT_EQ(ReportText({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(ReportText({}), "");
}
