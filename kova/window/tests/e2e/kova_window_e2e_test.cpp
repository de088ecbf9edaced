// kova.exe itself, driven from outside by window messages as a user would
// drive it. Every test starts the program afresh.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "huge_input.h"
#include "kova/window/control_ids.h"
#include "kova/window/form1.h"
#include "platform/codepage.h"
#include "platform/traditional.h"
#include "program_copy.h"
#include "tab_walk.h"
#include "test_day.h"
#include "window_driver.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace {

namespace ids = kova::ids;
using e2e::Checked;
using e2e::Click;
using e2e::SetText;
using e2e::Text;

// The key under which the programs this run starts keep 繁体字也统计, named
// for the process so that no run touches a user's setting or another run's.
const std::string& SettingsKey() {
    static const std::string key = "Software\\KovaStatTest" + std::to_string(GetCurrentProcessId());
    return key;
}

class SettingsKeyEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_TRUE(SetEnvironmentVariableA("KOVA_SETTINGS_KEY", SettingsKey().c_str()));
    }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKey().c_str()); }
};

const auto* const kSettingsKeyEnvironment =
    ::testing::AddGlobalTestEnvironment(new SettingsKeyEnvironment);

std::optional<std::string> StoredTraditional() {
    char bytes[8] = {};
    DWORD size = sizeof bytes;
    if (RegGetValueA(HKEY_CURRENT_USER, SettingsKey().c_str(), "Traditional", RRF_RT_ANY, nullptr,
                     bytes, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(bytes, size);
}

// A day of 2005, one of the built-in years, unless a test says otherwise.
constexpr const char* kDayOf2005 = "2005-06-15";

// A copy of kova.exe, started as the test begins on the day given, with
// YearTables.txt beside it when the test gives its bytes; closed as a user
// closes it.
class KovaWindow : public ::testing::Test {
  protected:
    KovaWindow() = default;
    KovaWindow(const char* today, std::string_view year_tables)
        : today_(today), year_tables_(copy_.Put("YearTables.txt", year_tables)) {}

    void SetUp() override { ASSERT_NE(kova_.Window(), nullptr) << "kova.exe did not open"; }
    // Every test ends as a user ends the program: by closing its window.
    void TearDown() override {
        if (kova_.Window() != nullptr) {
            EXPECT_TRUE(kova_.Close()) << "kova.exe did not end when its window was closed";
        }
    }

    HWND Get(int id) const { return kova_.Control(id); }
    std::u16string TextOf(int id) const { return Text(Get(id)); }
    void ClickId(int id) const { EXPECT_TRUE(Click(Get(id))) << "the click was not handled"; }
    // Clicks a button whose handler opens a message box and returns its text,
    // after closing it.
    std::u16string MessageAfterClicking(int id) {
        e2e::PostClick(Get(id));
        const HWND box = kova_.WaitForMessageBox();
        if (box == nullptr) {
            ADD_FAILURE() << "no message box";
            return {};
        }
        std::u16string text = e2e::MessageBoxText(box);
        e2e::CloseMessageBox(box);
        EXPECT_TRUE(kova_.Settle(ids::kEdit4)) << "the window did not answer after the box";
        return text;
    }

    // All before the program, which reads them at start.
    e2e::TestDay today_{kDayOf2005};
    e2e::ProgramCopy copy_{"kova.exe"};
    std::u16string year_tables_;  // its path as the program names it
    e2e::RunningProgram kova_{copy_.Exe(), L"TipstatForm"};
};

TEST_F(KovaWindow, OpensWithItsCaptionSizeAndStartingState) {
    EXPECT_EQ(Text(kova_.Window()), u"KOVA-6.1 墨川统计器");
    const RECT client = e2e::ClientRect(kova_.Window());
    EXPECT_EQ(client.right, 548);
    EXPECT_EQ(client.bottom, 500);
    RECT outer;
    GetWindowRect(kova_.Window(), &outer);
    EXPECT_EQ(outer.left, 272);
    EXPECT_EQ(outer.top, 108);
    EXPECT_EQ(TextOf(ids::kEdit1), u"0");
    EXPECT_EQ(TextOf(ids::kEdit2), u"0");
    EXPECT_EQ(TextOf(ids::kMemo1), u"");
    EXPECT_TRUE(Checked(Get(ids::kRadioButton3)));
    EXPECT_FALSE(Checked(Get(ids::kRadioButton1)));
    EXPECT_FALSE(Checked(Get(ids::kRadioButton2)));

    // The year selector starts at today's year.
    EXPECT_EQ(SendMessageW(Get(ids::kUpDown1), UDM_GETPOS32, 0, 0), 2005);
    EXPECT_EQ(TextOf(ids::kEdit3), u" 2005(鸡)年");
}

TEST_F(KovaWindow, EveryControlStandsWhereTheLayoutPutsIt) {
    kova::TForm1 form;
    const platform::FormLayout layout = form.Layout();
    for (const platform::ControlLayout& row : layout.controls) {
        const HWND control = Get(row.id);
        ASSERT_NE(control, nullptr) << row.name;
        if (row.kind == platform::ControlKind::kLabel) {
            continue;  // sized by its text
        }
        const platform::Bounds expected = platform::ClientBounds(layout, row);
        const RECT actual = e2e::RectInParent(control);
        EXPECT_EQ(actual.left, expected.left) << row.name;
        EXPECT_EQ(actual.top, expected.top) << row.name;
        EXPECT_EQ(actual.right - actual.left, expected.width) << row.name;
        EXPECT_EQ(actual.bottom - actual.top, expected.height) << row.name;
        // The year box names today's year; the up-down control has no text.
        const std::u16string text = row.id == ids::kEdit3                        ? u" 2005(鸡)年"
                                    : row.kind == platform::ControlKind::kUpDown ? u""
                                                                                 : row.caption;
        EXPECT_EQ(Text(control), text) << row.name;
    }
    // Spot checks against the layout as drawn on paper.
    EXPECT_EQ(e2e::RectInParent(Get(ids::kBitBtn1 + 48)).top, 157 + 22 * 12);
    EXPECT_EQ(e2e::RectInParent(Get(ids::kRadioButton4)).left, 140);
}

TEST_F(KovaWindow, YearArrowsMoveTheSelectorAndItsText) {
    const HWND up_down = Get(ids::kUpDown1);
    SendMessageW(up_down, UDM_SETPOS32, 0, 2004);
    e2e::ClickArrow(up_down, false);
    EXPECT_EQ(TextOf(ids::kEdit3), u" 2003(羊)年");
    e2e::ClickArrow(up_down, false);
    EXPECT_EQ(SendMessageW(up_down, UDM_GETPOS32, 0, 0), 2003);
    EXPECT_EQ(TextOf(ids::kEdit3), u" 2003(羊)年");
    e2e::ClickArrow(up_down, true);
    EXPECT_EQ(TextOf(ids::kEdit3), u" 2004(猴)年");
}

TEST_F(KovaWindow, NumberStatisticsCountsTypedTextForTheSelectedYear) {
    const HWND up_down = Get(ids::kUpDown1);
    SendMessageW(up_down, UDM_SETPOS32, 0, 2004);
    e2e::ClickArrow(up_down, false);  // 2003
    SendMessageW(Get(ids::kMemo1), WM_SETFOCUS, 0, 0);
    e2e::Type(Get(ids::kMemo1), u"鼠 05 12");
    ASSERT_TRUE(kova_.Settle(ids::kEdit4));
    EXPECT_EQ(TextOf(ids::kMemo1), u"鼠 05 12");
    ClickId(ids::kRadioButton4);
    ClickId(ids::kButton60);
    EXPECT_EQ(TextOf(ids::kMemo2),
              u"共00次：01,02,03,04,06,07,09,10,11,13,14,15,16,17,18,19,21,22,23,24,25,26,27,28,"
              u"29,30,31,33,34,35,36,37,38,39,40,41,42,43,45,46,47,48,49,（43码）\r\n"
              u"共01次：05,08,12,20,32,44,（6码）\r\n");
}

TEST_F(KovaWindow, AttributeStatisticsButtonsWriteTheirReports) {
    const struct {
        int button;
        std::u16string title;
    } buttons[] = {
        {ids::kButton7, u" 生肖统计结果："},    {ids::kButton63, u" 头数统计结果："},
        {ids::kButton64, u" 尾数统计结果："},   {ids::kButton65, u" 行数统计结果："},
        {ids::kButton8, u" 合数统计结果："},    {ids::kBitBtn56, u" 波色统计结果："},
        {ids::kBitBtn57, u" 大小统计结果："},   {ids::kBitBtn58, u" 单双统计结果："},
        {ids::kBitBtn59, u" 合单双统计结果："}, {ids::kBitBtn60, u" 段数统计结果："},
    };
    SetText(Get(ids::kMemo1), u"鼠牛鼠");
    for (const auto& b : buttons) {
        ClickId(b.button);
        EXPECT_TRUE(TextOf(ids::kMemo2).starts_with(b.title + u"\r\n")) << b.button;
    }
    ClickId(ids::kButton7);
    EXPECT_EQ(TextOf(ids::kMemo2),
              u" 生肖统计结果：\r\n【共00次】：虎,兔,龙,蛇,马,羊,猴,鸡,狗,猪,\r\n"
              u"【共01次】：牛,\r\n【共02次】：鼠,\r\n");
}

TEST_F(KovaWindow, AttributeButtonsTypeWordsAndClearEmptiesTheInput) {
    const int mouse = ids::kAttributeButton1 + 13;  // 鼠 opens the fourth row
    ASSERT_EQ(TextOf(mouse), u"鼠");
    ClickId(mouse);
    ClickId(mouse + 1);
    ClickId(mouse + 6);
    EXPECT_EQ(TextOf(ids::kMemo1), u"鼠,牛,马\r\n");

    // 49 bytes (24 Chinese characters and a digit) still grow; 50 do not.
    SetText(Get(ids::kMemo1), std::u16string(24, u'鼠') + u"1");
    ClickId(ids::kAttributeButton1);
    EXPECT_EQ(TextOf(ids::kMemo1), std::u16string(24, u'鼠') + u"1,红");
    SetText(Get(ids::kMemo1), std::u16string(25, u'鼠'));
    ClickId(ids::kAttributeButton1);
    EXPECT_EQ(TextOf(ids::kMemo1), std::u16string(25, u'鼠') + u"\r\n红");

    ClickId(ids::kButton9);
    EXPECT_EQ(TextOf(ids::kMemo1), u"");
}

TEST_F(KovaWindow, InputBoxTakesTextsBeyondTheDefaultEditLimit) {
    // 05 named 15,000 times: 45,000 characters.
    std::u16string long_text;
    for (int i = 0; i < 15000; ++i) {
        long_text += u"05 ";
    }
    SetText(Get(ids::kMemo1), long_text);
    ClickId(ids::kAttributeButton1);
    EXPECT_EQ(TextOf(ids::kMemo1), long_text + u"\r\n红");
    ClickId(ids::kButton60);
    EXPECT_TRUE(TextOf(ids::kMemo2).ends_with(u"共15000次：05,（1码）\r\n"));
}

// The reports' exactness is the statistics tests' own; here the window
// takes the whole text, answers, and writes a whole report of it.
TEST_F(KovaWindow, AMegabyteOfPastedTextIsCountedWholeAndTheWindowStillAnswers) {
    const std::u16string tip = e2e::HugeTipText(std::size_t{1} << 20, 2003);
    SendMessageW(Get(ids::kUpDown1), UDM_SETPOS32, 0, 2008);
    ASSERT_TRUE(SetText(Get(ids::kMemo1), tip));

    ClickId(ids::kButton60);
    EXPECT_TRUE(e2e::ListsEveryNumberOnce(TextOf(ids::kMemo2), u'：'));
    ClickId(ids::kButton7);
    EXPECT_TRUE(TextOf(ids::kMemo2).starts_with(u" 生肖统计结果：\r\n【共"));
    EXPECT_TRUE(e2e::SameText(TextOf(ids::kMemo1), tip));

    ClickId(ids::kButton9);
    EXPECT_EQ(TextOf(ids::kMemo1), u"");
}

// Under Wine a text of more than about 2 MB sent from another program cannot
// be received (on Windows it can): the input is whole either way, the old
// text when the send failed and the new one when it went through.
TEST_F(KovaWindow, ATextTooLargeToSendLeavesTheProgramRunningWithAWholeInput) {
    const std::u16string before = u"鼠,05\r\n牛 12";
    SetText(Get(ids::kMemo1), before);
    const std::u16string huge = e2e::HugeTipText(std::size_t{3} << 20, 2005);
    const bool sent = SetText(Get(ids::kMemo1), huge, std::chrono::seconds(5));
    ASSERT_TRUE(IsWindow(kova_.Window())) << "kova.exe ended";
    EXPECT_TRUE(e2e::SameText(TextOf(ids::kMemo1), sent ? huge : before)) << "sent: " << sent;
    if (!sent) {
        ClickId(ids::kButton7);
        EXPECT_EQ(TextOf(ids::kMemo2),
                  u" 生肖统计结果：\r\n【共00次】：虎,兔,龙,蛇,马,羊,猴,鸡,狗,猪,"
                  u"\r\n【共01次】：鼠,牛,\r\n");
    }
}

TEST_F(KovaWindow, NumberPageWidensTheWindowAndItsButtonsType) {
    ClickId(ids::kButton66);
    EXPECT_EQ(e2e::ClientRect(kova_.Window()).right, 693);

    ClickId(ids::kBitBtn1 + 6);  // no mode chosen yet: nothing
    EXPECT_EQ(TextOf(ids::kMemo1), u"");
    ClickId(ids::kRadioButton1);
    ClickId(ids::kBitBtn1 + 6);
    ClickId(ids::kBitBtn50 + 3);
    EXPECT_EQ(TextOf(ids::kMemo1), u"07,06 16 22 28 32 38 44\r\n");

    ClickId(ids::kRadioButton2);
    EXPECT_FALSE(Checked(Get(ids::kRadioButton1)));
    ClickId(ids::kBitBtn1 + 11);
    ClickId(ids::kBitBtn1 + 4);
    EXPECT_EQ(TextOf(ids::kEdit1), u"05");
    EXPECT_EQ(TextOf(ids::kEdit2), u"12");

    ClickId(ids::kButton67);
    EXPECT_EQ(e2e::ClientRect(kova_.Window()).right, 548);
    ClickId(ids::kButton66);
    EXPECT_TRUE(Checked(Get(ids::kRadioButton2)));
    EXPECT_EQ(TextOf(ids::kEdit2), u"12");
}

TEST_F(KovaWindow, RangeButtonsAppendTheRange) {
    SetText(Get(ids::kEdit1), u"05");
    SetText(Get(ids::kEdit2), u"08");
    ClickId(ids::kButton62);
    EXPECT_EQ(TextOf(ids::kMemo1), u" ,5,6,7,8\r\n");
    SetText(Get(ids::kEdit1), u"9");
    SetText(Get(ids::kEdit2), u"10");
    ClickId(ids::kButton68);
    EXPECT_EQ(TextOf(ids::kMemo1), u" ,5,6,7,8,9,10\r\n");
}

TEST_F(KovaWindow, RangeBoxesTakeTwoTypedCharacters) {
    SetText(Get(ids::kEdit2), u"");
    e2e::Type(Get(ids::kEdit2), u"123");
    ASSERT_TRUE(kova_.Settle(ids::kEdit4));
    EXPECT_EQ(TextOf(ids::kEdit2), u"12");
}

TEST_F(KovaWindow, RangeBoxWithoutAnIntegerShowsTheConversionError) {
    SetText(Get(ids::kMemo1), u"鼠");
    SetText(Get(ids::kEdit1), u"a");
    EXPECT_EQ(MessageAfterClicking(ids::kButton62), u"'a' is not a valid integer value");
    SetText(Get(ids::kEdit1), u"1");
    SetText(Get(ids::kEdit2), u"");
    EXPECT_EQ(MessageAfterClicking(ids::kButton62), u"'' is not a valid integer value");
    EXPECT_EQ(TextOf(ids::kMemo1), u"鼠");
}

TEST_F(KovaWindow, HelpShowsItsTextInAMessageBox) {
    const std::u16string help = MessageAfterClicking(ids::kButton61);
    EXPECT_NE(help.find(u"使用的年限已加至2010年"), std::u16string::npos);
    EXPECT_TRUE(help.ends_with(u"2004年7月8日"));
}

// Saves the window in both widths under the build folder and checks the
// colours the number page is painted in.
TEST_F(KovaWindow, ScreenshotsOfBothWidths) {
    const std::wstring folder = [] {
        std::string path = KOVA_SCREENSHOT_DIR;
        // Under Wine the build folder is a Unix path, reached through Z:.
        if (path.starts_with("/")) {
            path = "Z:" + path;
        }
        return std::wstring(path.begin(), path.end());
    }();
    CreateDirectoryW(folder.c_str(), nullptr);

    SetText(Get(ids::kMemo1), u"鼠,牛,马\r\n红单 九：05");
    ClickId(ids::kButton60);
    ASSERT_TRUE(e2e::WaitUntilPainted(kova_.Window()));
    const e2e::Screenshot narrow =
        e2e::CaptureSettled(kova_.Window(), [](const e2e::Screenshot& shot) {
            return shot.ClientPixel(200, 200) == GetSysColor(COLOR_WINDOW);
        });
    EXPECT_TRUE(narrow.SavePng(folder + L"/kova-548.png"));
    EXPECT_EQ(narrow.ClientPixel(200, 200), GetSysColor(COLOR_WINDOW));  // inside Memo1

    ClickId(ids::kButton66);
    ClickId(ids::kRadioButton2);
    ASSERT_TRUE(e2e::WaitUntilPainted(kova_.Window()));
    const e2e::Screenshot wide =
        e2e::CaptureSettled(kova_.Window(), [](const e2e::Screenshot& shot) {
            return shot.ClientPixel(555, 445) == RGB(166, 202, 240);
        });
    EXPECT_TRUE(wide.SavePng(folder + L"/kova-693.png"));
    EXPECT_EQ(wide.ClientPixel(555, 445), RGB(166, 202, 240));        // the sky-blue number panel
    EXPECT_EQ(wide.ClientPixel(20, 480), GetSysColor(COLOR_WINDOW));  // inside Memo2
}

// 繁体字也统计 as a user works it: Tab reaches it after the range boxes, the
// space bar ticks it, the zodiac report then counts 龍 and 馬 as 龙 and 马,
// and the next start finds it ticked. Its rectangle is what the new control
// adds to the window: the screenshots outside it are the same as before.
TEST_F(KovaWindow, TraditionalCheckBoxIsReachedByTabCountsTheFormsAndIsKept) {
    EXPECT_FALSE(Checked(Get(ids::kCheckBox1)));
    EXPECT_EQ(Text(Get(ids::kCheckBox1)), platform::kTraditionalCaption);
    EXPECT_FALSE(StoredTraditional());

    kova::TForm1 form;
    const platform::FormLayout layout = form.Layout();
    const auto stops = e2e::NamesOf(e2e::RoundFrom(
        e2e::ExpectedTabStops(layout, kova::kNarrowClientWidth, kova_.Window()), "Memo1"));
    const auto at = std::find(stops.begin(), stops.end(), "CheckBox1");
    ASSERT_NE(at, stops.end());
    EXPECT_EQ(*(at - 1), "Edit2");
    ASSERT_TRUE(e2e::BringToFront(kova_.Window()));
    ASSERT_EQ(e2e::FocusedControl(kova_.Window()), Get(ids::kMemo1));
    // The walk's stops are the controls after each press, from Memo1 on.
    const auto walked =
        e2e::TabWalk(kova_.Window(), static_cast<std::size_t>(at - stops.begin()) + 1);
    ASSERT_FALSE(walked.empty());
    ASSERT_EQ(walked.back(), Get(ids::kCheckBox1));
    e2e::PressKey(VK_SPACE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Checked(Get(ids::kCheckBox1)); }));
    EXPECT_TRUE(e2e::WaitUntil([&] { return StoredTraditional() == "1"; }));

    const auto report = [](const e2e::RunningProgram& kova, std::u16string_view text) {
        EXPECT_TRUE(SetText(kova.Control(ids::kMemo1), text));
        EXPECT_TRUE(e2e::Click(kova.Control(ids::kButton7)));
        return Text(kova.Control(ids::kMemo2));
    };
    const std::u16string simplified = report(kova_, u"龙,马,05");
    EXPECT_EQ(report(kova_, u"龍,馬,05"), simplified);

    // The next start finds it ticked; cleared, the text counts as written.
    ASSERT_TRUE(kova_.Close());
    e2e::RunningProgram again(copy_.Exe(), L"TipstatForm");
    ASSERT_NE(again.Window(), nullptr);
    EXPECT_TRUE(Checked(again.Control(ids::kCheckBox1)));
    EXPECT_EQ(report(again, u"龍,馬,05"), simplified);
    EXPECT_TRUE(e2e::Click(again.Control(ids::kCheckBox1)));
    EXPECT_FALSE(Checked(again.Control(ids::kCheckBox1)));
    EXPECT_EQ(StoredTraditional(), "0");
    EXPECT_NE(report(again, u"龍,馬,05"), simplified);
    EXPECT_TRUE(again.Close());
}

// Real key presses: Tab walks the window in the table's reading order from
// the input box round to it again, skipping the number page while it is
// hidden and taking it in when it shows; Shift+Tab walks back.
TEST_F(KovaWindow, TabWalksTheControlsInReadingOrderAtBothWidths) {
    kova::TForm1 form;
    const platform::FormLayout layout = form.Layout();
    ASSERT_TRUE(e2e::BringToFront(kova_.Window()));
    ASSERT_EQ(e2e::FocusedControl(kova_.Window()), Get(ids::kMemo1));

    const auto narrow = e2e::RoundFrom(
        e2e::ExpectedTabStops(layout, kova::kNarrowClientWidth, kova_.Window()), "Memo1");
    EXPECT_EQ(e2e::NamesOf(layout, e2e::TabWalk(kova_.Window(), narrow.size())),
              e2e::NamesOf(narrow));
    EXPECT_EQ(e2e::NamesOf(layout, e2e::TabWalk(kova_.Window(), 2, true)),
              (std::vector<std::string>{"Button66", "Button61"}));

    // A click focuses the option it selects.
    ClickId(ids::kButton66);
    ClickId(ids::kRadioButton2);
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return e2e::FocusedControl(kova_.Window()) == Get(ids::kRadioButton2); }));
    const auto wide = e2e::RoundFrom(
        e2e::ExpectedTabStops(layout, kova::kWideClientWidth, kova_.Window()), "RadioButton2");
    // The page adds six half-waves, its mode group, 49 numbers, 段数, 关闭这页.
    EXPECT_EQ(wide.size(), narrow.size() + 6 + 1 + 49 + 1 + 1);
    EXPECT_EQ(e2e::NamesOf(layout, e2e::TabWalk(kova_.Window(), wide.size())), e2e::NamesOf(wide));
}

// In an option group the arrow keys move the selection, as clicks do; on the
// year selector they move the year; Ctrl+Tab types a tab into the input box.
TEST_F(KovaWindow, ArrowKeysWorkTheOptionsAndTheYearAndCtrlTabTypesATab) {
    ASSERT_TRUE(e2e::BringToFront(kova_.Window()));
    e2e::PressKey(VK_TAB, {VK_CONTROL});
    ASSERT_TRUE(e2e::WaitUntil([&] { return TextOf(ids::kMemo1) == u"\t"; }));

    e2e::TabWalk(kova_.Window(), 1, true);  // Memo1 back to 号码页 ...
    e2e::TabWalk(kova_.Window(), 2, true);  // ... 帮助, the arrangement options
    ASSERT_EQ(e2e::FocusedControl(kova_.Window()), Get(ids::kRadioButton3));
    e2e::PressKey(VK_DOWN);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Checked(Get(ids::kRadioButton4)); }));
    EXPECT_FALSE(Checked(Get(ids::kRadioButton3)));
    EXPECT_EQ(e2e::FocusedControl(kova_.Window()), Get(ids::kRadioButton4));

    e2e::TabWalk(kova_.Window(), 1, true);
    ASSERT_EQ(e2e::FocusedControl(kova_.Window()), Get(ids::kUpDown1));
    SendMessageW(Get(ids::kUpDown1), UDM_SETPOS32, 0, 2004);
    e2e::PressKey(VK_DOWN);
    EXPECT_TRUE(e2e::WaitUntil([&] { return TextOf(ids::kEdit3) == u" 2003(羊)年"; }));
    e2e::PressKey(VK_UP);
    EXPECT_TRUE(e2e::WaitUntil([&] { return TextOf(ids::kEdit3) == u" 2004(猴)年"; }));
}

// kova.exe with YearTables.txt beside it.
class KovaWithYearTables : public KovaWindow {
  protected:
    // A day in 2026, when the window needs the file to show its year.
    explicit KovaWithYearTables(std::string_view file_bytes)
        : KovaWindow("2026-12-09", file_bytes) {}

    int Year() const {
        return static_cast<int>(SendMessageW(Get(ids::kUpDown1), UDM_GETPOS32, 0, 0));
    }
    // The selector's lowest and highest year. UDM_GETRANGE32 would write to
    // pointers into this process; the 16-bit form comes back as the result.
    std::pair<int, int> YearRange() const {
        const auto range = static_cast<DWORD>(SendMessageW(Get(ids::kUpDown1), UDM_GETRANGE, 0, 0));
        return {static_cast<short>(HIWORD(range)), static_cast<short>(LOWORD(range))};
    }
    // 码统计 on text in 排列方式2: the line of the numbers named once.
    std::u16string NamedOnce(std::u16string_view text) {
        EXPECT_TRUE(SetText(Get(ids::kMemo1), text));
        EXPECT_TRUE(Click(Get(ids::kRadioButton4)));
        EXPECT_TRUE(Click(Get(ids::kButton60)));
        const std::u16string report = TextOf(ids::kMemo2);
        const std::size_t start = report.find(u"共01次：");
        return start == std::u16string::npos
                   ? u""
                   : report.substr(start, report.find(u"\r\n", start) - start);
    }
};

class KovaWithTheReleasesYearTables : public KovaWithYearTables {
  protected:
    KovaWithTheReleasesYearTables()
        : KovaWithYearTables(yeartables::GeneratedYearTables(2011, 2040)) {}
};

// The release's file, 2011..2040: in 2026 the window opens at 2026 with its
// caption and no message, the arrows run to 2040, and 码统计 counts by the
// file's tables.
TEST_F(KovaWithTheReleasesYearTables, OpensAtTodaysYearAndCountsByTheFilesTables) {
    ASSERT_TRUE(kova_.Settle(ids::kEdit4)) << "the window did not answer";
    EXPECT_EQ(kova_.VisibleMessageBox(), nullptr);
    EXPECT_EQ(YearRange(), std::make_pair(2003, 2040));
    EXPECT_EQ(Year(), 2026);
    EXPECT_EQ(TextOf(ids::kEdit3), u" 2026(马)年");

    const HWND up_down = Get(ids::kUpDown1);
    SendMessageW(up_down, UDM_SETPOS32, 0, 2025);
    e2e::ClickArrow(up_down, true);
    EXPECT_EQ(TextOf(ids::kEdit3), u" 2026(马)年");
    EXPECT_EQ(NamedOnce(u"马"), u"共01次：01,13,25,37,49,（5码）");
    EXPECT_EQ(NamedOnce(u"火"), u"共01次：02,03,10,11,18,19,32,33,40,41,48,49,（12码）");

    SendMessageW(up_down, UDM_SETPOS32, 0, 2039);
    e2e::ClickArrow(up_down, true);
    e2e::ClickArrow(up_down, true);
    EXPECT_EQ(Year(), 2040);
    EXPECT_EQ(TextOf(ids::kEdit3), u" 2040(猴)年");
}

class KovaWithAFaultyYearTablesFile : public KovaWithYearTables {
  protected:
    // 2012 is missing: the fourth line should be 2012.
    KovaWithAFaultyYearTablesFile()
        : KovaWithYearTables("\xEF\xBB\xBF# 年份表\r\n\r\n" + Line(2011) + "\r\n" + Line(2013) +
                             "\r\n") {}

    static std::string Line(int year) {
        return platform::Utf16ToUtf8(yeartables::FormatYearLine(yeartables::StandardYearRow(year)));
    }
};

// One message box names the file, the line and the fault; then the window
// works with the built-in years 2003..2010.
TEST_F(KovaWithAFaultyYearTablesFile, TellsTheFaultAndWorksWithTheBuiltInYears) {
    const HWND box = kova_.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(e2e::MessageBoxText(box),
              u"年份表文件“" + year_tables_ +
                  u"”第 4 行有错：年份要从 2011 年起逐年连续，这一行应是 2012 年，却是 2013 年。");
    e2e::CloseMessageBox(box);
    ASSERT_TRUE(kova_.Settle(ids::kEdit4)) << "the window did not answer after the box";
    EXPECT_EQ(kova_.VisibleMessageBox(), nullptr);

    // 2026 held at 2010, with an empty year box.
    EXPECT_EQ(YearRange(), std::make_pair(2003, 2010));
    EXPECT_EQ(Year(), 2010);
    EXPECT_EQ(TextOf(ids::kEdit3), u"");
    SendMessageW(Get(ids::kUpDown1), UDM_SETPOS32, 0, 2010);
    EXPECT_EQ(NamedOnce(u"鼠"), u"共01次：03,15,27,39,（4码）");
    EXPECT_EQ(NamedOnce(u"马"), u"共01次：09,21,33,45,（4码）");
}

}  // namespace
