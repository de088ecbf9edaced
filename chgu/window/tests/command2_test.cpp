// The Command2 buttons on Form1: the road of one request from the button to
// the report, and the editing buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <utility>
#include <vector>

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
        // The button of the statistic the example names: its row's index.
        const std::span<const Statistic> statistics = Statistics();
        const int Index = static_cast<int>(
            std::find_if(statistics.begin(), statistics.end(),
                         [&](const Statistic& s) { return s.tool_name == example.statistic; }) -
            statistics.begin());
        ASSERT_LT(Index, static_cast<int>(statistics.size())) << example.statistic;
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

// Each statistics button is the row of the statistics table at its index and
// gives the counts behind its report to whoever draws them; the editing
// buttons give none.
TEST(Command2, StatisticsPressesGiveTheirCounts) {
    Form1Window window;
    window.Open();
    std::vector<std::pair<const Statistic*, Counts>> given;
    window.form->GiveCountsTo([&](const Statistic& statistic, const Counts& counts) {
        given.emplace_back(&statistic, counts);
    });
    window.Click("Check2");
    const std::string text = "3次:05,12 鼠【牛】 合单 红";
    window.SetText("Text1", text);
    const std::span<const Statistic> statistics = Statistics();
    for (std::size_t i = 0; i < statistics.size(); ++i) {
        window.Press("Command2", static_cast<int>(i));
        EXPECT_EQ(window.window->Find("Command2(" + std::to_string(i) + ")").Text(),
                  statistics[i].caption);
        ASSERT_EQ(given.size(), i + 1);
        EXPECT_EQ(given[i].first, &statistics[i]);
        // The report shown is the one of the counts given.
        EXPECT_EQ(window.window->Find("Text2").Text(),
                  statistics[i].report(statistics[i], given[i].second, true))
            << i;
        std::int16_t InBracket = 0;
        const StatisticSettings settings{
            {window.form->TableYearInForce(), true, true, &window.form->Tables()}, true};
        EXPECT_EQ(
            given[i].second,
            RunStatistic(statistics[i], platform::Utf8ToUtf16(text), settings, InBracket).counts)
            << i;
    }
    window.Press("Command2", kNormaliseButton);
    window.Press("Command2", kClearButton);
    EXPECT_EQ(given.size(), statistics.size());
}

}  // namespace
}  // namespace chgu
