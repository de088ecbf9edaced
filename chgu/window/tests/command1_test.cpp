// The Command1 buttons of the main window: attribute words, the range box,
// "号码页", "复制" and the line-break rule of the input box.
#include <gtest/gtest.h>

#include "chgu/custom_attributes.h"
#include "chgu/window/command1.h"
#include "memory_main_window.h"
#include "test_support.h"

namespace chgu {
namespace {

using test::U16;
using test::U8;

struct Presses {
    test::MemoryMainWindow window;

    std::string Press(std::initializer_list<std::int16_t> indexes) {
        for (const std::int16_t index : indexes) {
            Command1_Click(window, index);
        }
        return U8(window.controls.Text1);
    }
};

TEST(AttributeButtons, TypeACommaAndTheirWordAtTheEndOfTheInput) {
    Presses p;
    EXPECT_EQ(p.Press({8}), ",鼠");
    EXPECT_EQ(p.window.focus, "Text1");
    EXPECT_EQ(p.Press({9, 35}), ",鼠,牛,1合");
    EXPECT_EQ(p.Press({44, 62, 55}), ",鼠,牛,1合,10合,红单,合小");
}

TEST(AttributeButtons, BigAndSmallTailsTypeTheirFiveTails) {
    Presses p;
    EXPECT_EQ(p.Press({56}), ",5尾,6尾,7尾,8尾,9尾");
    p.window.controls.Text1.clear();
    EXPECT_EQ(p.Press({57}), ",0尾,1尾,2尾,3尾,4尾");
}

TEST(LineBreak, ALastLineWiderThan37EndsWithCrLf) {
    Presses p;
    // 34 narrow characters and ",鼠" make 35 characters of width 37.
    p.window.controls.Text1 = std::u16string(34, u'1');
    EXPECT_EQ(p.Press({8}), std::string(34, '1') + ",鼠");
    // One more character: width 38.
    p.window.controls.Text1 = std::u16string(35, u'1');
    EXPECT_EQ(p.Press({8}), std::string(35, '1') + ",鼠\r\n");
}

TEST(LineBreak, OnlyTheLast39CharactersCountAndALineFeedAmongThemStopsIt) {
    Presses p;
    p.window.controls.Text1 = u"\n" + std::u16string(36, u'1');
    EXPECT_EQ(p.Press({8}), "\n" + std::string(36, '1') + ",鼠");  // the line feed is 39th
    // Chinese characters are twice as wide: 19 of them and a comma is 39.
    p.window.controls.Text1 = U16("鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠");
    EXPECT_EQ(p.Press({9}), "鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠鼠,牛\r\n");
}

TEST(LineBreak, NumberPageAndCopyAlsoEndALongLine) {
    Presses p;
    p.window.controls.Text1 = std::u16string(38, u'1');
    EXPECT_EQ(p.Press({kNumberPageButton}), std::string(38, '1') + "\r\n");
    EXPECT_EQ(p.window.number_page_shown, 1);
    p.window.controls.Text1 = std::u16string(38, u'2');
    EXPECT_EQ(p.Press({kCopyButton}), std::string(38, '2') + "\r\n");
}

TEST(CopyButton, PutsTheWholeReportOnTheClipboardAndAnEmptyOneReplacesIt) {
    Presses p;
    p.window.controls.Text2 = U16("共01次: 05,\r\n共02次: 07,\r\n");
    p.Press({kCopyButton});
    ASSERT_TRUE(p.window.clipboard);
    EXPECT_EQ(U8(*p.window.clipboard), "共01次: 05,\r\n共02次: 07,\r\n");
    p.window.controls.Text2.clear();
    p.Press({kCopyButton});
    EXPECT_EQ(p.window.clipboard, u"");
    EXPECT_EQ(p.window.controls.Text1, u"");
}

TEST(RangeButton, ReadsTheStartFromTheFirstTwoAndTheEndFromTheLastTwoCharacters) {
    for (const char* box : {"0110", "01-10", "1 10", "01,10"}) {
        Presses p;
        p.window.text5 = U16(box);
        EXPECT_EQ(p.Press({kRangeButton}), ",1,2,3,4,5,6,7,8,9,10") << box;
        EXPECT_EQ(p.window.focus, "Text5");
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
        p.window.text5 = U16(box);
        EXPECT_EQ(p.Press({kRangeButton}), typed) << box;
    }
}

TEST(RangeButton, AnEmptyBoxTypesNothingAndLeavesTheFocusInIt) {
    Presses p;
    p.window.controls.Text1 = u"01";
    EXPECT_EQ(p.Press({kRangeButton}), "01");
    EXPECT_EQ(p.window.focus, "Text5");
}

// A pick from Combo1 types its members in at the end like the buttons do,
// so that a long input keeps its caret and view at the end.
TEST(Combo1Pick, AppendsTheMembersThroughTheInputHelpersPath) {
    Presses p;
    p.window.controls.Text1 = u"01 05";
    Combo1_Click(p.window, U16("禽畜|牛马羊鸡狗猪"));
    p.Press({8});
    EXPECT_EQ(U8(p.window.controls.Text1), "01 05牛马羊鸡狗猪,鼠");
    // The button's line-break rule appends nothing here.
    EXPECT_EQ(p.window.appended,
              (std::vector<std::u16string>{U16("牛马羊鸡狗猪"), U16(",鼠"), u""}));
    EXPECT_EQ(p.window.focus, "Text1");
}

TEST(DisplayWidth, AsciiIsNarrowEverythingElseWide) {
    EXPECT_EQ(DisplayWidth(u'a'), 1);
    EXPECT_EQ(DisplayWidth(u'\r'), 1);
    EXPECT_EQ(DisplayWidth(U16("鼠")[0]), 2);
    EXPECT_EQ(DisplayWidth(U16("，")[0]), 2);
    EXPECT_EQ(DisplayWidth(u'\u20AC'), 2);  // € is the single byte 0x80
}

}  // namespace
}  // namespace chgu
