// The number page: number mode, segment mode and "段 数", the remainder
// classes and the thirds.
#include <gtest/gtest.h>

#include "chgu/window/form2.h"
#include "memory_main_window.h"
#include "test_support.h"

namespace chgu {
namespace {

using test::U8;

struct Page : Form2Controls {
    bool Option1Selected() const override { return !segment_mode; }
    bool Option2Selected() const override { return segment_mode; }
    void FocusOption2() override { segment_mode = true; }

    std::string Clicks(std::initializer_list<std::int16_t> numbers) {
        for (const std::int16_t n : numbers) {
            form.Command1_Click(n);
        }
        return U8(main.controls.Text1);
    }
    std::string RangePress() {
        form.Command2_Click();
        return U8(main.controls.Text1);
    }

    bool segment_mode = false;
    bool main_open = true;
    test::MemoryMainWindow main;
    Form2State state;
    Form2 form{*this, state, [this]() -> MainWindow* { return main_open ? &main : nullptr; }};
};

TEST(NumberMode, TypesACommaAndTheNumberWithoutEverBreakingTheLine) {
    Page page;
    page.main.controls.Text1 = std::u16string(60, u'1');
    EXPECT_EQ(page.Clicks({7, 49}), std::string(60, '1') + ",07,49");
    EXPECT_EQ(page.state.RangeClicks, 0);
}

TEST(SegmentMode, TwoClicksAndTheRangeButtonTypeTheNumbersBetween) {
    Page page;
    page.segment_mode = true;
    EXPECT_EQ(page.Clicks({5, 8}), "");
    EXPECT_EQ(page.RangePress(), ",5,6,7,8");
    EXPECT_EQ(page.RangePress(), ",5,6,7,8,5,6,7,8");  // nothing is reset
}

TEST(SegmentMode, AStartAboveTheEndOrTheSameNumberTwiceTypesNothing) {
    Page page;
    page.segment_mode = true;
    page.Clicks({8, 5});
    EXPECT_EQ(page.RangePress(), "");
    page.Clicks({6, 6});
    EXPECT_EQ(page.RangePress(), "");
    Page fresh;
    EXPECT_EQ(fresh.RangePress(), "");  // nothing clicked yet
}

TEST(SegmentMode, AThirdClickStartsTheNextPair) {
    Page page;
    page.segment_mode = true;
    page.Clicks({5, 8, 3});
    EXPECT_EQ(U8(page.state.RangeStart), "03");
    EXPECT_EQ(U8(page.state.RangeEnd), "08");
    EXPECT_EQ(page.RangePress(), ",3,4,5,6,7,8");
}

TEST(RemainderButtons, TypeTheirClassAndSwitchToSegmentMode) {
    Page page;
    page.form.Command3_Click(1);
    EXPECT_TRUE(page.segment_mode);
    EXPECT_EQ(page.Clicks({10}), ",01,04,07,10,13,16,19,22,25,28,31,34,37,40,43,46,49,\r\n");
    EXPECT_EQ(U8(page.state.RangeStart), "10");
    page.form.Command3_Click(0);
    page.form.Command3_Click(2);
    EXPECT_EQ(U8(page.main.controls.Text1),
              ",01,04,07,10,13,16,19,22,25,28,31,34,37,40,43,46,49,\r\n"
              ",03,06,09,12,15,18,21,24,27,30,33,36,39,42,45,48,\r\n"
              ",02,05,08,11,14,17,20,23,26,29,32,35,38,41,44,47,\r\n");
}

TEST(ThirdButtons, TypeTheirThirdAndLeaveTheModeAlone) {
    Page page;
    for (std::int16_t third = 0; third < 3; ++third) {
        page.form.Command4_Click(third);
    }
    EXPECT_FALSE(page.segment_mode);
    EXPECT_EQ(U8(page.main.controls.Text1),
              ",01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,\r\n"
              ",17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,\r\n"
              ",33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,\r\n");
}

TEST(ClosedMainWindow, ThePageButtonsDoNothing) {
    Page page;
    page.main_open = false;
    page.Clicks({7});
    page.segment_mode = true;
    page.Clicks({5, 8});
    page.form.Command2_Click();
    page.form.Command4_Click(0);
    page.segment_mode = false;
    page.form.Command3_Click(0);
    EXPECT_FALSE(page.segment_mode);
    EXPECT_EQ(page.state.RangeClicks, 0);
    EXPECT_EQ(page.main.controls.Text1, u"");
}

}  // namespace
}  // namespace chgu
