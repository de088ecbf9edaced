// Statistics presses and the reports they write into the output box.
#include <gtest/gtest.h>

#include "chgu/command2.h"
#include "chgu/form1.h"
#include "chgu/reports.h"
#include "platform/codepage.h"
#include "test_support.h"

namespace chgu {
namespace {

using test::Press;
using test::Strip;
using test::TempFolder;
using test::U16;
using test::U8;

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

TEST(NumberReport, RoadOfOneRequest) {
    MemoryForm1Controls controls;
    MemoryChangeDateStore store;
    store.bytes = platform::Utf8ToGbk("2008年02月07日");
    TempFolder folder;
    Form1 form(controls, store, folder.path(), [] { return CivilDate{2008, 6, 1}; });
    form.Form_Load();
    controls.Text1 = U16("3期 鼠,05,05");
    controls.focus.reset();
    form.Command2_Click(0);
    EXPECT_EQ(controls.focus, TextControl::Text1);
    EXPECT_EQ(U8(controls.Text2),
              "共00次:02,03,04,06,07,08,09,10,11,12,14,15,16,17,18,19,20,21,22,23,24,26,27,28,"
              "29,30,31,32,33,34,35,36,38,39,40,41,42,43,44,45,46,47,48,（43码）\r\n"
              "共01次:01,13,25,37,49,（5码）\r\n"
              "共02次:05,（1码）\r\n");
    EXPECT_EQ(U8(controls.Text1), "3期 鼠,05,05");
}

TEST(NumberReport, CountOfTenAndMore) {
    std::string ten_times;
    for (int i = 0; i < 10; ++i) {
        ten_times += "05,";
    }
    const std::string report = Press(0, ten_times);
    EXPECT_NE(report.find("\r\n共10次:05,（1码）\r\n"), std::string::npos) << report;
}

TEST(NumberReport, ShortLineBreaksAfter35Characters) {
    // 39 numbers named once leave ten on the line of count 0: 35 characters.
    const std::string report = Press(0, NumbersFromTo(11, 49), kShortLines);
    EXPECT_TRUE(report.starts_with("共00次:" + NumbersFromTo(1, 10) + "（10码）\r\n")) << report;
    // Numbers 01..10 named 100 times: a body of 36 characters, cut inside
    // the last number's comma.
    std::string hundred_times;
    for (int i = 0; i < 100; ++i) {
        hundred_times += NumbersFromTo(1, 10);
    }
    const std::string hot = Press(0, hundred_times, kShortLines);
    EXPECT_TRUE(hot.ends_with("共100次:01,02,03,04,05,06,07,08,09,10\r\n       ,（10码）\r\n"))
        << hot;
}

TEST(NumberReport, NoLineForCountZeroWhenEveryNumberIsNamed) {
    EXPECT_EQ(Press(0, NumbersFromTo(1, 49) + "01"),
              "共01次:" + NumbersFromTo(2, 49) + "（48码）\r\n共02次:01,（1码）\r\n");
}

TEST(NumberReport, CumulativeModeCountsMarkedCommaNumbers) {
    const Strip cumulative{.Check2 = true};
    EXPECT_EQ(Press(0, "鼠,05,06", cumulative), "共00次:" + NumbersFromTo(1, 49) + "（49码）\r\n");
    const std::string report = Press(0, "2次01,02,\r\n3次02,", cumulative);
    EXPECT_TRUE(report.ends_with("共02次:01,（1码）\r\n共05次:02,（1码）\r\n")) << report;
}

TEST(AttributeReport, ZodiacExample) {
    EXPECT_EQ(Press(1, "鼠鼠牛"),
              " 生肖统计结果：\r\n"
              "【共00次】：虎,兔,龙,蛇,马,羊,猴,鸡,狗,猪,\r\n"
              "【共01次】：牛,\r\n"
              "【共02次】：鼠,\r\n");
}

TEST(AttributeReport, EmptyInputListsEveryClassOnCountZero) {
    EXPECT_EQ(Press(2, ""), " 头数统计结果：\r\n【共00次】：0头,1头,2头,3头,4头,\r\n");
    EXPECT_EQ(Press(3, ""),
              " 尾数统计结果：\r\n【共00次】：0尾,1尾,2尾,3尾,4尾,5尾,6尾,7尾,8尾,9尾,\r\n");
    EXPECT_EQ(Press(4, ""), " 五行统计结果：\r\n【共00次】：金,木,水,火,土,\r\n");
    EXPECT_EQ(Press(5, ""),
              " 合数统计结果：\r\n"
              "【共00次】：1合,2合,3合,4合,5合,6合,7合,8合,9合,10合,11合,12合,13合,\r\n");
    EXPECT_EQ(Press(6, ""), " 波色统计结果：\r\n【共00次】：红,绿,蓝,\r\n");
    EXPECT_EQ(Press(7, ""), " 大小统计结果：\r\n【共00次】：大,小,\r\n");
    EXPECT_EQ(Press(8, ""), " 单双统计结果：\r\n【共00次】：单,双,\r\n");
    EXPECT_EQ(Press(9, ""), " 合单双统计结果：\r\n【共00次】：合单,合双,\r\n");
    EXPECT_EQ(Press(10, ""), " 半波统计结果：\r\n【共00次】：红单,红双,绿单,绿双,蓝单,蓝双,\r\n");
}

TEST(AttributeReport, CountOfTen) {
    EXPECT_EQ(Press(6, "红,红,红,红,红,红,红,红,红,红,蓝"),
              " 波色统计结果：\r\n【共00次】：绿,\r\n【共01次】：蓝,\r\n【共10次】：红,\r\n");
}

TEST(AttributeReport, ArrangementChangesOnlyTheNumberReport) {
    const std::string text = "鼠牛,05,3头";
    for (std::int16_t index = 1; index <= 10; ++index) {
        EXPECT_EQ(Press(index, text), Press(index, text, kShortLines)) << index;
    }
    EXPECT_NE(Press(0, text), Press(0, text, kShortLines));
}

TEST(EditingButtons, NormaliseAndClearTouchOneBoxEach) {
    MemoryForm1Controls controls;
    Form1State state;
    controls.Text1 = U16("０５\n\n鼠");
    Command2_Click(controls, state, kNormaliseIndex);
    EXPECT_EQ(U8(controls.Text2), "05\r\n鼠");
    EXPECT_EQ(U8(controls.Text1), "０５\n\n鼠");
    Command2_Click(controls, state, kClearIndex);
    EXPECT_EQ(controls.Text1, u"");
    EXPECT_EQ(U8(controls.Text2), "05\r\n鼠");
    EXPECT_EQ(controls.focus, TextControl::Text1);
}

TEST(EditingButtons, EveryPressStartsOutsideBrackets) {
    MemoryForm1Controls controls;
    Form1State state;
    state.TableYear = u"2008";
    controls.Text1 = U16("05【06");
    Command2_Click(controls, state, 0);
    EXPECT_EQ(state.InBracket, 1);
    controls.Text1 = U16("07");
    Command2_Click(controls, state, 0);
    EXPECT_NE(U8(controls.Text2).find("共01次:07,（1码）"), std::string::npos);
}

}  // namespace
}  // namespace chgu
