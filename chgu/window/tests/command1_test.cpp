// The Command1 buttons of the main window: attribute words, the range box,
// "号码页", "复制", picks from Combo1 and the line-break rule of the input box.
#include <gtest/gtest.h>

#include "form1_window.h"
#include "input_lines.h"

namespace chgu {
namespace {

// A window started with a change date stored, so its input box is empty.
struct Presses : test::Form1Window {
    Presses() {
        store.bytes = platform::Utf8ToGbk("2008年02月07日");
        Open();
    }

    std::string Press(std::initializer_list<std::int16_t> indexes) {
        for (const std::int16_t index : indexes) {
            Form1Window::Press("Command1", index);
        }
        return Text("Text1");
    }
};

// Each button types a comma and the words of its own row in the layout;
// 大尾 and 小尾 type their five tails, which the statistics know.
TEST(AttributeButtons, TypeACommaAndTheirWordAtTheEndOfTheInput) {
    Presses p;
    EXPECT_EQ(p.Press({8}), ",鼠");
    EXPECT_EQ(p.window->Focused(), "Text1");
    EXPECT_EQ(p.Press({9, 35}), ",鼠,牛,1合");
    EXPECT_EQ(p.Press({44, 62, 55}), ",鼠,牛,1合,10合,红单,合小");
    p.SetText("Text1", "");
    EXPECT_EQ(p.Press({0, 7, 19, 24, 34, 47, 48, 61, 67}), ",金,蓝,猪,4头,9尾,13合,单,小双,蓝双");
    p.SetText("Text1", "");
    EXPECT_EQ(p.Press({56}), ",5尾,6尾,7尾,8尾,9尾");
    p.SetText("Text1", "");
    EXPECT_EQ(p.Press({57}), ",0尾,1尾,2尾,3尾,4尾");
    EXPECT_EQ(p.window->Caret("Text1"), p.window->Find("Text1").Text().size());
}

TEST(LineBreak, ALastLineWiderThan37EndsWithCrLf) {
    Presses p;
    // 34 narrow characters and ",鼠" make 35 characters of width 37.
    p.SetText("Text1", std::string(34, '1'));
    EXPECT_EQ(p.Press({8}), std::string(34, '1') + ",鼠");
    // One more character: width 38.
    p.SetText("Text1", std::string(35, '1'));
    EXPECT_EQ(p.Press({8}), std::string(35, '1') + ",鼠\r\n");
}

TEST(LineBreak, OnlyTheLast39CharactersCountAndALineFeedAmongThemStopsIt) {
    Presses p;
    p.SetText("Text1", "\n" + std::string(36, '1'));
    EXPECT_EQ(p.Press({8}), "\n" + std::string(36, '1') + ",鼠");  // the line feed is 39th
    // Chinese characters are twice as wide: 19 of them and a comma is 39.
    p.SetText("Text1", "鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠");
    EXPECT_EQ(p.Press({9}), "鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠,牛\r\n");
}

TEST(LineBreak, NumberPageAndCopyAlsoEndALongLine) {
    Presses p;
    p.SetText("Text1", std::string(38, '1'));
    EXPECT_EQ(p.Press({kNumberPageButton}), std::string(38, '1') + "\r\n");
    EXPECT_EQ(p.number_page_shown, 1);
    p.SetText("Text1", std::string(38, '2'));
    EXPECT_EQ(p.Press({kCopyButton}), std::string(38, '2') + "\r\n");
}

TEST(CopyButton, PutsTheWholeReportOnTheClipboardAndAnEmptyOneReplacesIt) {
    Presses p;
    p.SetText("Text2", "共01次: 05,\r\n共02次: 07,\r\n");
    p.Press({kCopyButton});
    ASSERT_TRUE(p.window->Clipboard());
    EXPECT_EQ(platform::Utf16ToUtf8(*p.window->Clipboard()), "共01次: 05,\r\n共02次: 07,\r\n");
    p.SetText("Text2", "");
    p.Press({kCopyButton});
    EXPECT_EQ(p.window->Clipboard(), u"");
    EXPECT_EQ(p.Text("Text1"), "");
}

// Another program holding the clipboard takes the copy from nobody: the
// report and the input stay as they were.
TEST(CopyButton, AHeldClipboardLosesNothing) {
    Presses p;
    p.SetText("Text1", "05");
    p.SetText("Text2", "共01次: 05,\r\n");
    p.window->clipboard_held = true;
    p.Press({kCopyButton});
    EXPECT_FALSE(p.window->Clipboard());
    EXPECT_EQ(p.Text("Text2"), "共01次: 05,\r\n");
    EXPECT_EQ(p.Text("Text1"), "05");
}

TEST(RangeButton, ReadsTheStartFromTheFirstTwoAndTheEndFromTheLastTwoCharacters) {
    for (const char* box : {"0110", "01-10", "1 10", "01,10"}) {
        Presses p;
        p.SetText("Text5", box);
        EXPECT_EQ(p.Press({kRangeButton}), ",1,2,3,4,5,6,7,8,9,10") << box;
        EXPECT_EQ(p.window->Focused(), "Text5");
    }
    const std::pair<const char*, const char*> cases[] = {
        {"10", ",10"},
        {"5", ",5"},
        {"0510", ",5,6,7,8,9,10"},
        {"2005", ""},
        {"ab12", ",0,1,2,3,4,5,6,7,8,9,10,11,12"},
    };
    for (const auto& [box, typed] : cases) {
        Presses p;
        p.SetText("Text5", box);
        EXPECT_EQ(p.Press({kRangeButton}), typed) << box;
    }
}

TEST(RangeButton, AnEmptyBoxTypesNothingAndLeavesTheFocusInIt) {
    Presses p;
    p.SetText("Text1", "01");
    EXPECT_EQ(p.Press({kRangeButton}), "01");
    EXPECT_EQ(p.window->Focused(), "Text5");
}

// A pick from Combo1 types its members in at the end like the buttons do,
// so that a long input keeps its caret and view at the end; a line without
// a bar types nothing but still focuses the input.
TEST(Combo1Pick, TypesTheMembersInAtTheEndOfTheInput) {
    Presses p;
    p.folder.Write("Define.txt", platform::Utf8ToGbk("禽畜|牛马羊鸡狗猪\r\nno bar\r\n"));
    p.Click("Command3");  // reloads the list, as a start does
    p.SetText("Text1", "01 05");
    p.window->Find("Text3").Focus();
    p.window->Pick("Combo1", 0);
    EXPECT_EQ(p.window->Focused(), "Text1");
    EXPECT_EQ(p.window->Caret("Text1"), p.window->Find("Text1").Text().size());
    EXPECT_EQ(p.Press({8}), "01 05牛马羊鸡狗猪,鼠");
    p.window->Find("Text3").Focus();
    p.window->Pick("Combo1", 1);
    EXPECT_EQ(p.Text("Text1"), "01 05牛马羊鸡狗猪,鼠");
    EXPECT_EQ(p.window->Focused(), "Text1");
}

TEST(DisplayWidth, AsciiIsNarrowEverythingElseWide) {
    EXPECT_EQ(DisplayWidth(u'a'), 1);
    EXPECT_EQ(DisplayWidth(u'\r'), 1);
    EXPECT_EQ(DisplayWidth(u'鼠'), 2);
    EXPECT_EQ(DisplayWidth(u'，'), 2);
    EXPECT_EQ(DisplayWidth(u'\u20AC'), 2);  // € is the single byte 0x80
}

}  // namespace
}  // namespace chgu
