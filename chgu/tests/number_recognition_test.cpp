// Number recognition of "码统计": which numbers a tip text names, in order,
// as worked examples. Each is checked twice: as `CollectedList`, and in the
// number report of a press on the same text, which must count every number
// as often as the list names it. Table year 2008 unless a case says
// otherwise.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "test_support.h"

namespace chgu {
namespace {

using test::Collected;
using test::Press;
using test::Strip;

constexpr std::string_view kRat2008 = "01,13,25,37,49,";
const std::string kRed = "01,02,07,08,12,13,18,19,23,24,29,30,34,35,40,45,46,";
const std::string kBlue = "03,04,09,10,14,15,20,25,26,31,36,37,41,42,47,48,";
const std::string kSmall =
    "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,";
const std::string kBig =
    "25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,";
const std::string kOdd =
    "01,03,05,07,09,11,13,15,17,19,21,23,25,27,29,31,33,35,37,39,41,43,45,47,49,";

using NumberCounts = std::array<std::int64_t, 50>;

NumberCounts CountsOfList(std::string_view list) {
    NumberCounts counts{};
    for (std::size_t i = 0; i + 3 <= list.size(); i += 3) {
        ++counts[static_cast<std::size_t>(std::stoi(std::string(list.substr(i, 2))))];
    }
    return counts;
}

// The counts a number report states: "共nn次:" then the numbers, each with
// a comma, up to "（n码）"; long lines go on after CR LF and spaces.
NumberCounts CountsOfReport(std::string report) {
    for (std::size_t at; (at = report.find("\r\n ")) != std::string::npos;) {
        report.erase(at, report.find_first_not_of(' ', at + 2) - at);
    }
    NumberCounts counts{};
    const std::string lead = "共", tail = "次:";
    for (std::size_t start = 0, end; (end = report.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string line = report.substr(start, end - start);
        if (!line.starts_with(lead)) {
            continue;
        }
        const std::int64_t count = std::stoll(line.substr(lead.size()));
        const std::size_t numbers = line.find(tail) + tail.size();
        for (std::size_t i = numbers; i + 3 <= line.size() && line[i + 2] == ','; i += 3) {
            counts[static_cast<std::size_t>(std::stoi(line.substr(i, 2)))] = count;
        }
    }
    return counts;
}

void ExpectRecognised(std::string_view text, std::string_view list, const Strip& strip = {}) {
    EXPECT_EQ(Collected(text, strip), list) << text;
    EXPECT_EQ(CountsOfReport(Press(0, text, strip)), CountsOfList(list)) << text;
}

TEST(CollectNumbers, EmptyTextNamesNothing) {
    ExpectRecognised("", "");
}

TEST(CollectNumbers, RunsOfOneOrTwoDigits) {
    ExpectRecognised("1,2,3", "01,02,03,");
    ExpectRecognised("5", "05,");
    ExpectRecognised("12", "12,");
    ExpectRecognised("5,", "05,");
    ExpectRecognised("15、", "15,");
    ExpectRecognised("01 02.03", "01,02,03,");
    ExpectRecognised("a7b\r\n8", "07,08,");
    ExpectRecognised("00,50,99,0", "");
}

TEST(CollectNumbers, LongerRunsGiveTheirLastTwoDigits) {
    ExpectRecognised("12,123,1234", "12,23,");
    ExpectRecognised("2006年", "06,");
}

TEST(CollectNumbers, DigitsBeforeStoppersAreNoNumbers) {
    ExpectRecognised("3次12码,08期,15", "15,");
    ExpectRecognised("6码", "");
}

TEST(CollectNumbers, FullWidthDigitsAreNoDigits) {
    ExpectRecognised("１２,", "");
}

TEST(CollectNumbers, AnimalsAndElementsFollowTheTableYear) {
    ExpectRecognised("鼠5", std::string(kRat2008) + "05,");
    ExpectRecognised("5鼠", std::string(kRat2008) + "05,");  // the word check comes first
    ExpectRecognised("鼠", "03,15,27,39,", {.TableYear = "2010"});
    ExpectRecognised("鼠,7", "07,", {.TableYear = "2011"});
    ExpectRecognised("火", "12,13,20,21,28,29,42,43,", {.TableYear = "2006"});
}

TEST(CollectNumbers, CompoundWordsAddOnlyTheirOwnClass) {
    ExpectRecognised("红单", "01,07,13,19,23,29,35,45,");
    ExpectRecognised("红,单", kRed + kOdd);
    const std::string sum_big =
        "07,08,09,16,17,18,19,25,26,27,28,29,34,35,36,37,38,39,43,44,45,46,47,48,49,";
    ExpectRecognised("合大", sum_big);
    ExpectRecognised("合大,", sum_big);
    ExpectRecognised("大单", "25,27,29,31,33,35,37,39,41,43,45,47,49,");
}

TEST(CollectNumbers, ColoursAndSizesCountUnlessBoundToTheirNeighbour) {
    ExpectRecognised("红", kRed);
    ExpectRecognised("蓝", kBlue);
    // At the end of the text the last character is checked before the one
    // before it.
    ExpectRecognised("红蓝", kBlue + kRed);
    ExpectRecognised("大小", kSmall + kBig);
    ExpectRecognised("红,蓝,", kRed + kBlue);
    ExpectRecognised("小,", kSmall);
    ExpectRecognised("合小",
                     "01,02,03,04,05,06,10,11,12,13,14,15,20,21,22,23,24,30,31,32,33,40,41,42,");
    ExpectRecognised("大双", "26,28,30,32,34,36,38,40,42,44,46,48,");
}

TEST(CollectNumbers, HeadsTailsAndDigitSums) {
    ExpectRecognised("1头", "10,11,12,13,14,15,16,17,18,19,");
    ExpectRecognised("5头", "");
    ExpectRecognised("2尾", "02,12,22,32,42,");
    ExpectRecognised("10合", "19,28,37,46,");
    ExpectRecognised("13合", "49,");
    ExpectRecognised("4合", "04,13,22,31,40,");
    ExpectRecognised("14合", "04,13,22,31,40,");
    ExpectRecognised("0合", "");
}

TEST(CollectNumbers, BracketedTextIsSkippedWhenTicked) {
    ExpectRecognised("【鼠牛】虎", "11,23,35,47,");
    ExpectRecognised("【05,06】07", "07,");
    ExpectRecognised("08〖09", "08,");
    ExpectRecognised("【鼠牛】虎", std::string(kRat2008) + "12,24,36,48," + "11,23,35,47,",
                     {.Check1 = false});
}

TEST(CollectNumbers, RoadOfOneRequest) {
    ExpectRecognised("3期 鼠,05,05", std::string(kRat2008) + "05,05,");
}

}  // namespace
}  // namespace chgu
