// The Command2 buttons on Form1: the road of one request from the button to
// the report, and the editing buttons.
#include <gtest/gtest.h>

#include <string>

#include "chgu/command2.h"
#include "form1_window.h"
#include "worked_examples.h"

namespace chgu {
namespace {

using test::Form1Window;

// Program B's worked examples through the buttons, on a day after the change
// date of the example's table year: the report, and the input keeping its
// text and the focus.
TEST(Command2, WorkedExamplesThroughTheButtons) {
    for (const test::WorkedExample& example : test::WorkedExamples()) {
        const int year = std::stoi(example.table_year);
        Form1Window window({year, 6, 1});
        window.store.bytes = platform::Utf8ToGbk(example.table_year + "年01月01日");
        window.Open();
        window.window->Find("Text3").Focus();
        window.Click(example.long_lines ? "Option2" : "Option1");
        const int Index = example.statistic == "number" ? kNumberStatisticsIndex
                          : example.statistic == "zodiac"
                              ? static_cast<int>(AttributeStatistic::Zodiac)
                              : -1;
        EXPECT_EQ(window.Report(example.text, Index), example.report)
            << example.statistic << " of '" << example.text << "'";
        EXPECT_EQ(window.Text("Text1"), example.text);
        EXPECT_EQ(window.window->Focused(), "Text1");
    }
}

// The options and check boxes of the strip reach the press: short lines,
// and in cumulative mode 3次 weighs the numbers after it, written with two
// digits and a comma; words count nothing.
TEST(Command2, TheStripReachesThePress) {
    Form1Window window({2008, 6, 1});
    window.store.bytes = platform::Utf8ToGbk("2008年02月07日");
    window.Open();
    window.Click("Option1");
    window.Click("Check2");
    EXPECT_EQ(window.Report("3次:05,12,鼠"),
              "共00次:01,02,03,04,06,07,08,09,10,11,\r\n"
              "       13,14,15,16,17,18,19,20,21,22,\r\n"
              "       23,24,25,26,27,28,29,30,31,32,\r\n"
              "       33,34,35,36,37,38,39,40,41,42,\r\n"
              "       43,44,45,46,47,48,49,（47码）\r\n"
              "共03次:05,12,（2码）\r\n");
}

TEST(Command2, NormaliseAndClearTouchOneBoxEach) {
    Form1Window window;
    window.Open();
    window.SetText("Text1", "０５\n\n鼠");
    window.Press("Command2", 11);
    EXPECT_EQ(window.Text("Text2"), "05\r\n鼠");
    EXPECT_EQ(window.Text("Text1"), "０５\n\n鼠");
    window.Press("Command2", 12);
    EXPECT_EQ(window.Text("Text1"), "");
    EXPECT_EQ(window.Text("Text2"), "05\r\n鼠");
    EXPECT_EQ(window.window->Focused(), "Text1");
}

// An open bracket at the end of one press does not hide the next text.
TEST(Command2, EveryPressStartsOutsideBrackets) {
    Form1Window window;
    window.Open();
    window.Report("05【06");
    EXPECT_NE(window.Report("07").find("共01次:07,（1码）"), std::string::npos);
}

}  // namespace
}  // namespace chgu
