#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "form1_fixture.h"
#include "platform/codepage.h"
#include "worked_examples.h"

#include "reading_order.h"

namespace kova {
namespace {

TEST(Form1StartUp, YearSelectorStartsAtTodaysYearWithItsAnimal) {
    const struct {
        int today;
        int position;
        std::u16string year_box;
    } cases[] = {
        {2003, 2003, u" 2003(羊)年"},
        {2008, 2008, u" 2008(鼠)年"},
        {2010, 2010, u" 2010(虎)年"},
        // Outside the tables the selector stands at the nearer end and the
        // year box stays empty.
        {2026, 2010, u""},
        {1999, 2003, u""},
    };
    for (const auto& c : cases) {
        TForm1 form;
        platform::MemoryForm window(form.Layout());
        form.Attach(window);
        form.FormCreate(c.today);
        EXPECT_EQ(window.Find("UpDown1").Position(), c.position) << c.today;
        EXPECT_EQ(window.Find("Edit3").Text(), c.year_box) << c.today;
    }
}

TEST(Form1StartUp, NumberStatisticsCountsWithTheNearerYearAfterTheTables) {
    TForm1 form;
    platform::MemoryForm window(form.Layout());
    form.Attach(window);
    form.FormCreate(2026);
    window.Find("Memo1").SetText(u"鼠");
    window.Click("RadioButton4");
    window.Click("Button60");
    // 2010 is a year of 虎, so 鼠 stands for 03 15 27 39.
    EXPECT_TRUE(window.Find("Memo2").Text().ends_with(u"共01次：03,15,27,39,（4码）\r\n"));
}

TEST_F(Form1Test, ArrowsMoveTheYearWithinTheTables) {
    window_.ClickArrow("UpDown1", -1);
    EXPECT_EQ(Text("Edit3"), u" 2007(猪)年");
    for (int i = 0; i < 10; ++i) {
        window_.ClickArrow("UpDown1", +1);
    }
    EXPECT_EQ(window_.Find("UpDown1").Position(), 2010);
    EXPECT_EQ(Text("Edit3"), u" 2010(虎)年");
}

// Program A's worked examples through the buttons: the year chosen with the
// arrows, the arrangement with its option, the text typed, the report in
// Memo2 and the text left as it was.
TEST_F(Form1Test, WorkedExamplesThroughTheButtons) {
    const std::map<std::string, const char*> buttons = {
        {"number", "Button60"},     {"zodiac", "Button7"},    {"head", "Button63"},
        {"tail", "Button64"},       {"element", "Button65"},  {"digitsum", "Button8"},
        {"wave", "BitBtn56"},       {"bigsmall", "BitBtn57"}, {"oddeven", "BitBtn58"},
        {"sumoddeven", "BitBtn59"}, {"segment", "BitBtn60"}};
    for (const test::WorkedExample& example : test::WorkedExamples()) {
        const int steps = example.year - window_.Find("UpDown1").Position();
        for (int i = 0; i < std::abs(steps); ++i) {
            window_.ClickArrow("UpDown1", steps > 0 ? +1 : -1);
        }
        Click(example.layout == 2 ? "RadioButton4" : "RadioButton3");
        const std::u16string text = platform::Utf8ToUtf16(example.text);
        SetText("Memo1", text);
        Click(buttons.at(example.statistic));
        EXPECT_EQ(Text("Memo2"), platform::Utf8ToUtf16(example.report))
            << example.statistic << " of '" << example.text << "'";
        EXPECT_EQ(Text("Memo1"), text);
    }
}

// Each statistics button gives the counts behind its report to whoever draws
// them, with its own row, the year selector's year and the arrangement.
TEST_F(Form1Test, StatisticsPressesGiveTheirCounts) {
    std::vector<std::pair<const Statistic*, LabelledCounts>> given;
    form_.GiveCountsTo([&](const Statistic& statistic, const LabelledCounts& counts) {
        given.emplace_back(&statistic, counts);
    });
    SetText("Memo1", u"鼠 05 合单 红 2合");
    Click("RadioButton4");
    const char* const buttons[] = {"Button60", "Button7",  "Button63", "Button64",
                                   "Button65", "Button8",  "BitBtn56", "BitBtn57",
                                   "BitBtn58", "BitBtn59", "BitBtn60"};
    for (const char* button : buttons) {
        Click(button);
    }
    Click("Button9");
    ASSERT_EQ(given.size(), Statistics().size());
    for (std::size_t i = 0; i < given.size(); ++i) {
        const auto& [statistic, counts] = given[i];
        EXPECT_EQ(statistic, &Statistics()[i]);
        EXPECT_EQ(window_.Find(buttons[i]).Text(), statistic->caption);
        const StatisticSettings settings{2008, Arrangement::kOneLine, &form_.Tables()};
        const StatisticResult expected =
            RunStatistic(*statistic, platform::Utf16ToGbk(u"鼠 05 合单 红 2合"), settings);
        EXPECT_EQ(counts.labels, expected.counts.labels) << buttons[i];
        EXPECT_EQ(counts.counts, expected.counts.counts) << buttons[i];
    }
    // The last report shown is the one of those counts.
    EXPECT_EQ(platform::Utf16ToGbk(Text("Memo2")),
              ReportText(
                  Statistics().back().report(*given.back().first, given.back().second.counts, {})));
}

TEST_F(Form1Test, EachAttributeStatisticsButtonWritesItsOwnReport) {
    const struct {
        const char* button;
        std::u16string title;
    } buttons[] = {
        {"Button7", u" 生肖统计结果："},    {"Button63", u" 头数统计结果："},
        {"Button64", u" 尾数统计结果："},   {"Button65", u" 行数统计结果："},
        {"Button8", u" 合数统计结果："},    {"BitBtn56", u" 波色统计结果："},
        {"BitBtn57", u" 大小统计结果："},   {"BitBtn58", u" 单双统计结果："},
        {"BitBtn59", u" 合单双统计结果："}, {"BitBtn60", u" 段数统计结果："},
    };
    SetText("Memo1", u"鼠牛鼠");
    for (const auto& b : buttons) {
        SetText("Memo2", u"an earlier report");
        Click(b.button);
        EXPECT_TRUE(Text("Memo2").starts_with(b.title + u"\r\n【共")) << b.button;
        EXPECT_TRUE(Text("Memo2").ends_with(u",\r\n")) << b.button;
    }
    EXPECT_EQ(Text("Memo1"), u"鼠牛鼠");
    EXPECT_EQ(window_.Focused(), "");
}

TEST_F(Form1Test, NumberPageWidensTheWindowAndKeepsItsStateWhileHidden) {
    EXPECT_EQ(window_.ClientWidth(), 548);
    Click("Button66");
    EXPECT_EQ(window_.ClientWidth(), 693);
    Click("RadioButton2");
    Click("BitBtn12");
    Click("Button67");
    EXPECT_EQ(window_.ClientWidth(), 548);
    Click("Button66");
    EXPECT_TRUE(window_.Find("RadioButton2").Checked());
    EXPECT_EQ(Text("Edit1"), u"00");
    EXPECT_EQ(Text("Edit2"), u"12");
}

TEST_F(Form1Test, HelpShowsTheFixedTextInAMessageBox) {
    Click("Button61");
    ASSERT_EQ(window_.Messages().size(), 1u);
    const auto& help = window_.Messages()[0];
    EXPECT_EQ(help.icon, platform::MessageIcon::kNone);
    EXPECT_TRUE(help.text.starts_with(u"\r\n"));
    const std::string gbk = platform::Utf16ToGbk(help.text);
    EXPECT_NE(gbk.find(platform::Utf8ToGbk(
                  "使用的年限已加至2010年，用户可通过年份选择按钮选到合式的年度")),
              std::string::npos);
    EXPECT_NE(help.text.find(u"KOVA-5"), std::u16string::npos);
    EXPECT_TRUE(help.text.ends_with(u"2004年7月8日"));
    EXPECT_GT(gbk.size(), 1000u);
    EXPECT_LT(gbk.size(), 1300u);
}

// Tab walks the window in reading order, every control a user acts on once:
// the top strip, then each line left to right, the number page's controls
// and 繁体字也统计 among them (they are skipped while the window is too
// narrow to show the number page).
TEST(Form1Layout, TabWalksEveryControlInReadingOrder) {
    TForm1 form;
    const platform::FormLayout layout = form.Layout();
    EXPECT_TRUE(platform::test::WalksInReadingOrder(layout, platform::TabOrder(layout)));
}

}  // namespace
}  // namespace kova
