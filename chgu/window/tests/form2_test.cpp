// The number page: number mode, segment mode and "段 数", the remainder
// classes and the thirds, typed into the main window's input box.
#include <gtest/gtest.h>

#include "chgu/window/form2.h"
#include "form1_window.h"

namespace chgu {
namespace {

struct Page {
    Page() {
        main.store.bytes = platform::Utf8ToGbk("2008年02月07日");
        main.Open();
        window.emplace(form.Layout());
        form.Attach(*window);
    }

    std::string Clicks(std::initializer_list<int> numbers) {
        for (const int n : numbers) {
            window->Click("Command1(" + std::to_string(n) + ")");
        }
        return main.Text("Text1");
    }
    std::string RangePress() {
        window->Click("Command2");
        return main.Text("Text1");
    }
    std::string Range() const {
        return platform::Utf16ToUtf8(state.RangeStart + u"-" + state.RangeEnd);
    }

    test::Form1Window main;
    bool main_open = true;
    Form2State state;
    Form2 form{state, [this]() -> platform::Control* {
                   return main_open ? &main.form->InputBox() : nullptr;
               }};
    std::optional<platform::MemoryForm> window;
};

TEST(NumberMode, TypesACommaAndTheNumberWithoutEverBreakingTheLine) {
    Page page;
    page.main.SetText("Text1", std::string(60, '1'));
    EXPECT_EQ(page.Clicks({7, 49}), std::string(60, '1') + ",07,49");
    EXPECT_EQ(page.state.RangeClicks, 0);
}

TEST(SegmentMode, TwoClicksAndTheRangeButtonTypeTheNumbersBetween) {
    Page page;
    page.window->Click("Option2");
    EXPECT_EQ(page.Clicks({5, 8}), "");
    EXPECT_EQ(page.RangePress(), ",5,6,7,8");
    EXPECT_EQ(page.RangePress(), ",5,6,7,8,5,6,7,8");  // nothing is reset
    // A third click starts the next pair.
    page.Clicks({3});
    EXPECT_EQ(page.Range(), "03-08");
    page.main.SetText("Text1", "");
    EXPECT_EQ(page.RangePress(), ",3,4,5,6,7,8");
}

TEST(SegmentMode, AStartAboveTheEndOrTheSameNumberTwiceTypesNothing) {
    Page page;
    EXPECT_EQ(page.RangePress(), "");  // nothing clicked yet
    page.window->Click("Option2");
    page.Clicks({8, 5});
    EXPECT_EQ(page.RangePress(), "");
    page.Clicks({6, 6});
    EXPECT_EQ(page.RangePress(), "");
}

// A remainder button switches the page to segment mode, as giving Option2
// the focus selects it.
TEST(RemainderButtons, TypeTheirClassAndSwitchToSegmentMode) {
    Page page;
    page.window->Click("Command3(1)");
    EXPECT_TRUE(page.window->Find("Option2").Checked());
    EXPECT_FALSE(page.window->Find("Option1").Checked());
    EXPECT_EQ(page.window->Focused(), "Option2");
    EXPECT_EQ(page.Clicks({10}), ",01,04,07,10,13,16,19,22,25,28,31,34,37,40,43,46,49,\r\n");
    EXPECT_EQ(page.Range(), "10-");
    page.window->Click("Command3(0)");
    page.window->Click("Command3(2)");
    EXPECT_EQ(page.main.Text("Text1"),
              ",01,04,07,10,13,16,19,22,25,28,31,34,37,40,43,46,49,\r\n"
              ",03,06,09,12,15,18,21,24,27,30,33,36,39,42,45,48,\r\n"
              ",02,05,08,11,14,17,20,23,26,29,32,35,38,41,44,47,\r\n");
}

TEST(ThirdButtons, TypeTheirThirdAndLeaveTheModeAlone) {
    Page page;
    for (int third = 0; third < 3; ++third) {
        page.window->Click("Command4(" + std::to_string(third) + ")");
    }
    EXPECT_TRUE(page.window->Find("Option1").Checked());
    EXPECT_EQ(page.main.Text("Text1"),
              ",01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,\r\n"
              ",17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,\r\n"
              ",33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,\r\n");
}

TEST(ClosedMainWindow, ThePageButtonsDoNothing) {
    Page page;
    page.main_open = false;
    page.Clicks({7});
    page.window->Click("Option2");
    page.Clicks({5, 8});
    page.window->Click("Command2");
    page.window->Click("Command4(0)");
    page.window->Click("Option1");
    page.window->Click("Command3(0)");
    EXPECT_TRUE(page.window->Find("Option1").Checked());
    EXPECT_EQ(page.state.RangeClicks, 0);
    EXPECT_EQ(page.main.Text("Text1"), "");
}

}  // namespace
}  // namespace chgu
