#include <gtest/gtest.h>

#include "kova/statistics.h"
#include "report_reading.h"

using namespace kova;
using kova::test::Gbk;
using kova::test::ReadAttributeReport;
using kova::test::Utf8Lines;

namespace {

ReportLines ReportOf(std::string_view statistic, std::string_view gbk) {
    return Report(StatisticNamed(statistic), gbk);
}

long long CountOf(std::string_view statistic, std::string_view utf8, const std::string& word) {
    return ReadAttributeReport(ReportOf(statistic, Gbk(utf8))).at(word);
}

}  // namespace

// The worked examples (worked_examples.cpp) show reports whole.

TEST(AttributeStatistics, EveryStatisticHasItsTitle) {
    const std::pair<const char*, const char*> titles[] = {
        {"HeadStatistics", " 头数统计结果："},    {"TailStatistics", " 尾数统计结果："},
        {"ElementStatistics", " 行数统计结果："}, {"WaveStatistics", " 波色统计结果："},
        {"OddEvenStatistics", " 单双统计结果："}, {"SumOddEvenStatistics", " 合单双统计结果："},
        {"SegmentStatistics", " 段数统计结果："}};
    for (const auto& [statistic, title] : titles) {
        EXPECT_EQ(Utf8Lines({ReportOf(statistic, "").front()}), std::string(title));
    }
    EXPECT_EQ(Utf8Lines(ReportOf("SegmentStatistics", Gbk("七段一段七段"))),
              " 段数统计结果：\n"
              "【共00次】：二段,三段,四段,五段,六段,\n"
              "【共01次】：一段,\n"
              "【共02次】：七段,");
}

TEST(AttributeStatistics, NumbersCountForNoClass) {
    EXPECT_EQ(CountOf("ZodiacStatistics", "05 鼠", "鼠"), 1);
    EXPECT_EQ(ReadAttributeReport(ReportOf("TailStatistics", Gbk("05 15"))).at("5尾"), 0);
    EXPECT_EQ(ReadAttributeReport(ReportOf("HeadStatistics", Gbk("05 15"))).at("0头"), 0);
}

TEST(AttributeStatistics, SumWordsBelongToTheirOwnStatistic) {
    EXPECT_EQ(CountOf("SumOddEvenStatistics", "合单", "合单"), 1);
    EXPECT_EQ(CountOf("OddEvenStatistics", "合单", "单"), 0);
    EXPECT_EQ(CountOf("OddEvenStatistics", "合单 单双", "单"), 1);
    EXPECT_EQ(CountOf("BigSmallStatistics", "合大", "大"), 0);
    EXPECT_EQ(CountOf("BigSmallStatistics", "大合大", "大"), 1);
}

TEST(AttributeStatistics, TeenDigitSumsNeedALeadingOne) {
    EXPECT_EQ(CountOf("DigitSumStatistics", "11合", "11合"), 1);
    EXPECT_EQ(CountOf("DigitSumStatistics", "11合", "1合"), 0);
    EXPECT_EQ(CountOf("DigitSumStatistics", "21合", "1合"), 1);
    EXPECT_EQ(CountOf("DigitSumStatistics", "13合", "13合"), 1);
    EXPECT_EQ(CountOf("DigitSumStatistics", "10合", "10合"), 1);
    EXPECT_EQ(CountOf("DigitSumStatistics", "10合", "1合"), 0);
}

TEST(AttributeStatistics, OnlyTheMainBlueSpellingIsAWaveWord) {
    EXPECT_EQ(CountOf("WaveStatistics", "兰", "蓝"), 0);
    EXPECT_EQ(CountOf("WaveStatistics", "蓝兰红", "蓝"), 1);
}

TEST(AttributeStatistics, NineColonDoesNotReadAsOx) {
    EXPECT_EQ(CountOf("ZodiacStatistics", "九：牛", "牛"), 1);
    EXPECT_EQ(CountOf("ZodiacStatistics", "号：", "牛"), 0);
    // Without mark removal the bytes in the middle of 九： are 牛.
    EXPECT_EQ(CountOf("ElementStatistics", "九：金", "金"), 1);
}

TEST(AttributeStatistics, EqualCountsKeepListOrder) {
    EXPECT_EQ(Utf8Lines(ReportOf("ZodiacStatistics", Gbk("猪狗"))),
              " 生肖统计结果：\n"
              "【共00次】：鼠,牛,虎,兔,龙,蛇,马,羊,猴,鸡,\n"
              "【共01次】：狗,猪,");
    EXPECT_EQ(Utf8Lines(ReportOf("DigitSumStatistics", Gbk("10合9合"))),
              " 合数统计结果：\n"
              "【共00次】：1合,2合,3合,4合,5合,6合,7合,8合,11合,12合,13合,\n"
              "【共01次】：9合,10合,");
}
