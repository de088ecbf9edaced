// Number recognition of "码统计": which numbers a tip text names, in order.
// Table year 2008 unless a case says otherwise.
#include <gtest/gtest.h>

#include "test_support.h"

namespace chgu {
namespace {

using test::Collected;
using test::Strip;

constexpr std::string_view kRat2008 = "01,13,25,37,49,";

TEST(CollectNumbers, EmptyTextNamesNothing) {
    EXPECT_EQ(Collected(""), "");
}

TEST(CollectNumbers, RunsOfOneOrTwoDigits) {
    EXPECT_EQ(Collected("1,2,3"), "01,02,03,");
    EXPECT_EQ(Collected("5"), "05,");
    EXPECT_EQ(Collected("12"), "12,");
    EXPECT_EQ(Collected("5,"), "05,");
    EXPECT_EQ(Collected("15、"), "15,");
    EXPECT_EQ(Collected("01 02.03"), "01,02,03,");
    EXPECT_EQ(Collected("a7b\r\n8"), "07,08,");
    EXPECT_EQ(Collected("00,50,99,0"), "");
}

TEST(CollectNumbers, LongerRunsGiveTheirLastTwoDigits) {
    EXPECT_EQ(Collected("12,123,1234"), "12,23,");
    EXPECT_EQ(Collected("2006年"), "06,");
}

TEST(CollectNumbers, DigitsBeforeStoppersAreNoNumbers) {
    EXPECT_EQ(Collected("3次12码,08期,15"), "15,");
    EXPECT_EQ(Collected("6码"), "");
}

TEST(CollectNumbers, FullWidthDigitsAreNoDigits) {
    EXPECT_EQ(Collected("１２,"), "");
}

TEST(CollectNumbers, AnimalsAndElementsFollowTheTableYear) {
    EXPECT_EQ(Collected("鼠5"), std::string(kRat2008) + "05,");
    EXPECT_EQ(Collected("5鼠"), std::string(kRat2008) + "05,");  // the word check comes first
    EXPECT_EQ(Collected("鼠", {.TableYear = "2010"}), "03,15,27,39,");
    EXPECT_EQ(Collected("鼠,7", {.TableYear = "2011"}), "07,");
    EXPECT_EQ(Collected("火", {.TableYear = "2006"}), "12,13,20,21,28,29,42,43,");
}

TEST(CollectNumbers, CompoundWordsAddOnlyTheirOwnClass) {
    EXPECT_EQ(Collected("红单"), "01,07,13,19,23,29,35,45,");
    EXPECT_EQ(Collected("红,单"), Collected("红") + Collected("单"));
    EXPECT_EQ(Collected("合大"), Collected("合大,"));
    EXPECT_EQ(Collected("合大"),
              "07,08,09,16,17,18,19,25,26,27,28,29,34,35,36,37,38,39,43,44,45,"
              "46,47,48,49,");
    EXPECT_EQ(Collected("大单"), "25,27,29,31,33,35,37,39,41,43,45,47,49,");
}

TEST(CollectNumbers, ColoursAndSizesCountUnlessBoundToTheirNeighbour) {
    const std::string red = Collected("红");
    const std::string blue = Collected("蓝");
    // At the end of the text the last character is checked before the one
    // before it.
    EXPECT_EQ(Collected("红蓝"), blue + red);
    EXPECT_EQ(Collected("大小"), Collected("小") + Collected("大"));
    EXPECT_EQ(Collected("红,蓝,"), red + blue);
    EXPECT_EQ(Collected("小,"), Collected("小"));
    EXPECT_EQ(Collected("合小"),
              "01,02,03,04,05,06,10,11,12,13,14,15,20,21,22,23,24,30,31,32,33,"
              "40,41,42,");
    EXPECT_EQ(Collected("大双"), "26,28,30,32,34,36,38,40,42,44,46,48,");
}

TEST(CollectNumbers, HeadsTailsAndDigitSums) {
    EXPECT_EQ(Collected("1头"), "10,11,12,13,14,15,16,17,18,19,");
    EXPECT_EQ(Collected("5头"), "");
    EXPECT_EQ(Collected("2尾"), "02,12,22,32,42,");
    EXPECT_EQ(Collected("10合"), "19,28,37,46,");
    EXPECT_EQ(Collected("13合"), "49,");
    EXPECT_EQ(Collected("14合"), Collected("4合"));
    EXPECT_EQ(Collected("4合"), "04,13,22,31,40,");
    EXPECT_EQ(Collected("0合"), "");
}

TEST(CollectNumbers, BracketedTextIsSkippedWhenTicked) {
    EXPECT_EQ(Collected("【鼠牛】虎"), "11,23,35,47,");
    EXPECT_EQ(Collected("【05,06】07"), "07,");
    EXPECT_EQ(Collected("08〖09"), "08,");
    EXPECT_EQ(Collected("【鼠牛】虎", {.Check1 = false}),
              std::string(kRat2008) + "12,24,36,48," + "11,23,35,47,");
}

TEST(CollectNumbers, RoadOfOneRequest) {
    EXPECT_EQ(Collected("3期 鼠,05,05"), std::string(kRat2008) + "05,05,");
}

}  // namespace
}  // namespace chgu
