// The ten attribute scans, cumulative counting and "全转半".
#include <gtest/gtest.h>

#include "test_support.h"

namespace chgu {
namespace {

using test::Counted;
using test::Strip;
using test::U16;
using test::U8;
using enum AttributeStatistic;

const Strip kCumulative{.Check2 = true};

TEST(AttributeScans, EmptyTextCountsNothing) {
    for (int index = 1; index <= 10; ++index) {
        EXPECT_EQ(Counted(static_cast<AttributeStatistic>(index), ""), "") << index;
    }
}

TEST(AttributeScans, SingleCharacterFamilies) {
    EXPECT_EQ(Counted(Zodiac, "鼠鼠牛,猪"), "鼠2 牛1 猪1");
    EXPECT_EQ(Counted(Element, "金木水火土土"), "金1 木1 水1 火1 土2");
    EXPECT_EQ(Counted(Wave, "红红绿"), "红2 绿1");
}

TEST(AttributeScans, CompoundWordsCountOnlyAsThemselves) {
    EXPECT_EQ(Counted(Wave, "红单"), "");
    EXPECT_EQ(Counted(OddEven, "红单"), "");
    EXPECT_EQ(Counted(Wave, "红,单"), "红1");
    EXPECT_EQ(Counted(OddEven, "红,单"), "单1");
    EXPECT_EQ(Counted(BigSmall, "合大"), "");
    EXPECT_EQ(Counted(BigSmall, "大单"), "");
    EXPECT_EQ(Counted(OddEven, "大单"), "");
    EXPECT_EQ(Counted(OddEven, "合双,双"), "双1");
    EXPECT_EQ(Counted(HalfWave, "红单,蓝双,绿"), "红单1 蓝双1");
    EXPECT_EQ(Counted(SumOddEven, "合单合双合大"), "合单1 合双1");
}

TEST(AttributeScans, LastCharactersOfTheTextCount) {
    EXPECT_EQ(Counted(Wave, "红蓝"), "红1 蓝1");
    EXPECT_EQ(Counted(BigSmall, "大小"), "大1 小1");
    EXPECT_EQ(Counted(BigSmall, "合小"), "");
}

TEST(AttributeScans, HeadsAndTails) {
    EXPECT_EQ(Counted(Head, "0头,3头,3头,5头"), "0头1 3头2");
    EXPECT_EQ(Counted(Tail, "0尾9尾９尾"), "0尾1 9尾1");
}

TEST(AttributeScans, DigitSumTokens) {
    EXPECT_EQ(Counted(DigitSum, "10合"), "10合1");
    EXPECT_EQ(Counted(DigitSum, "1合"), "1合1");
    EXPECT_EQ(Counted(DigitSum, "0合"), "");
    EXPECT_EQ(Counted(DigitSum, "3合,12合,21合"), "1合1 3合1 12合1");
    EXPECT_EQ(Counted(DigitSum, "14合"), "");  // unlike 码统计, which reads 4合
    EXPECT_EQ(Counted(DigitSum, "合合,合"), "");
}

TEST(AttributeScans, BracketedTextIsSkippedByEveryFamily) {
    EXPECT_EQ(Counted(Zodiac, "【鼠牛】虎"), "虎1");
    EXPECT_EQ(Counted(Zodiac, "【鼠牛】虎", {.Check1 = false}), "鼠1 牛1 虎1");
    EXPECT_EQ(Counted(Head, "【1头】2头"), "2头1");
    EXPECT_EQ(Counted(Tail, "〖1尾,2尾〗3尾"), "3尾1");
    EXPECT_EQ(Counted(DigitSum, "【12合】3合"), "3合1");
    EXPECT_EQ(Counted(HalfWave, "【红单】绿双"), "绿双1");
    EXPECT_EQ(Counted(SumOddEven, "【合单】合双"), "合双1");
    EXPECT_EQ(Counted(Wave, "【红】蓝"), "蓝1");
    EXPECT_EQ(Counted(Head, "【1头"), "");  // unclosed: the rest is skipped
}

TEST(AttributeScans, SpelledSumParityCountsOnceInAnyMode) {
    EXPECT_EQ(Counted(SumOddEven, "合数单合单"), "合单2");
    EXPECT_EQ(Counted(SumOddEven, "合数单合单", kCumulative), "合单1");
    EXPECT_EQ(Counted(SumOddEven, "3次合数单合单", kCumulative), "合单4");
    EXPECT_EQ(Counted(SumOddEven, "【合数双】"), "合双1");
}

TEST(CumulativeCounting, MarkersWeightWhatFollows) {
    EXPECT_EQ(Counted(Zodiac, "2次 鼠 3次 鼠牛", kCumulative), "鼠5 牛3");
    EXPECT_EQ(Counted(Zodiac, "鼠 2次 牛", kCumulative), "牛2");
    EXPECT_EQ(Counted(Zodiac, "3次：鼠\r\n牛", kCumulative), "鼠3 牛3");
    EXPECT_EQ(Counted(Zodiac, "第12次鼠,007次牛,0次虎,次猪", kCumulative), "鼠12 牛7");
    EXPECT_EQ(Counted(Head, "2次1头,3次1头", kCumulative), "1头5");
    EXPECT_EQ(Counted(Zodiac, "鼠牛"), "鼠1 牛1");  // normal mode: every item 1
}

// 肖统计 reads its markers through the bracket filter; the others do not.
TEST(CumulativeCounting, MarkerInBracketsOnlyIgnoredByZodiac) {
    EXPECT_EQ(Counted(Zodiac, "1次【3次】鼠", kCumulative), "鼠1");
    EXPECT_EQ(Counted(Wave, "1次【3次】红", kCumulative), "红3");
}

TEST(CumulativeCounting, HugeMarkersNeitherWrapNorCrash) {
    EXPECT_EQ(Counted(Zodiac, "99999次鼠鼠", kCumulative), "鼠199998");
    EXPECT_EQ(Counted(Zodiac, "99999999999999999999次鼠", kCumulative), "鼠2147483647");
    const std::string digits(40000, '1');
    EXPECT_EQ(Counted(Wave, digits + "次红", kCumulative), "红2147483647");
}

TEST(CountWeighted, TwoDigitNumbersFollowedByACommaOnly) {
    Counts counts{};
    CountWeighted(U16("2次01,02,\r\n3次02,"), counts);
    EXPECT_EQ(counts[1], 2);
    EXPECT_EQ(counts[2], 5);
    counts = {};
    CountWeighted(U16("2次01,02"), counts);
    EXPECT_EQ(counts[1], 2);
    EXPECT_EQ(counts[2], 0);
    counts = {};
    CountWeighted(U16("1次5,00,50,鼠,【07,】"), counts);
    EXPECT_EQ(counts[5], 0);
    EXPECT_EQ(counts[7], 1);  // brackets play no part
    EXPECT_EQ(counts[0], 0);
}

TEST(NormaliseText, FullWidthDigitsAndBrokenLineBreaks) {
    EXPECT_EQ(U8(NormaliseText(U16("１\n\n２\r\n"))), "1\r\n2\r\n");
    EXPECT_EQ(U8(NormaliseText(U16("\n鼠"))), "\r\n鼠");
    EXPECT_EQ(U8(NormaliseText(U16("a\r\r\n\n\rb\rc"))), "a\r\nb\r\nc");
    EXPECT_EQ(U8(NormaliseText(U16("０９，ＡＢ　【】"))), "09，ＡＢ　【】");
    EXPECT_EQ(U8(NormaliseText(u"")), "");
}

}  // namespace
}  // namespace chgu
