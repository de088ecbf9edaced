// Statistics presses and the reports they write into the output box.
#include <gtest/gtest.h>

#include "chgu/reports.h"
#include "platform/codepage.h"
#include "test_support.h"

namespace chgu {
namespace {

using test::Press;
using test::Strip;

const Strip kShortLines{.Option2 = false};

// "a,b,...," for the numbers first..last.
std::string NumbersFromTo(int first, int last) {
    std::string numbers;
    for (int n = first; n <= last; ++n) {
        numbers += static_cast<char>('0' + n / 10);
        numbers += static_cast<char>('0' + n % 10);
        numbers += ',';
    }
    return numbers;
}

TEST(NumberReport, EmptyInputInShortLines) {
    EXPECT_EQ(Press(0, "", kShortLines),
              "共00次:01,02,03,04,05,06,07,08,09,10,\r\n"
              "       11,12,13,14,15,16,17,18,19,20,\r\n"
              "       21,22,23,24,25,26,27,28,29,30,\r\n"
              "       31,32,33,34,35,36,37,38,39,40,\r\n"
              "       41,42,43,44,45,46,47,48,49,（49码）\r\n");
}

TEST(NumberReport, EmptyInputInLongLines) {
    EXPECT_EQ(Press(0, ""), "共00次:" + NumbersFromTo(1, 49) + "（49码）\r\n");
}

TEST(NumberReport, CountsRunFromColdestToHottest) {
    EXPECT_EQ(Press(0, "01,01,02"), "共00次:" + NumbersFromTo(3, 49) +
                                        "（47码）\r\n"
                                        "共01次:02,（1码）\r\n"
                                        "共02次:01,（1码）\r\n");
}

TEST(AttributeReport, ArrangementChangesOnlyTheNumberReport) {
    const std::string text = "鼠牛,05,3头";
    for (std::int16_t index = 1; index <= 10; ++index) {
        EXPECT_EQ(Press(index, text), Press(index, text, kShortLines)) << index;
    }
    EXPECT_NE(Press(0, text), Press(0, text, kShortLines));
}

}  // namespace
}  // namespace chgu
