// chgu.exe itself, driven from outside by window messages and key presses
// as a user would drive it. Every test starts the program afresh, most of
// them without a stored change date. The program keeps its date under a key
// of the tests' own (CHGU_CHANGE_DATE_KEY), so that the date a user of the
// machine has stored is never touched.
#include <gtest/gtest.h>
#include <windows.h>

#include <sddl.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "chgu/window/control_ids.h"
#include "chgu/window/form1.h"
#include "chgu/window/form2.h"
#include "chgu/window/window_texts.h"
#include "huge_input.h"
#include "platform/codepage.h"
#include "platform/traditional.h"
#include "program_copy.h"
#include "tab_walk.h"
#include "test_day.h"
#include "window_driver.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace {

namespace ids = chgu::ids;

// The control tables of both windows, for where their controls stand and
// the order the Tab key walks them in.
platform::FormLayout Form1Layout() {
    chgu::MemoryChangeDateStore store;
    return chgu::Form1(store, {}).Layout();
}
platform::FormLayout Form2Layout() {
    chgu::Form2State state;
    return chgu::Form2(state, [] { return nullptr; }).Layout();
}

using e2e::Checked;
using e2e::Click;
using e2e::SetText;
using e2e::Text;

// The key this test run stores under, named for the process so that no two
// runs share it; chgu.exe started from here inherits its name.
const std::string& TestKey() {
    static const std::string key = "Software\\ChguStatTest" + std::to_string(GetCurrentProcessId());
    return key;
}

class TestKeyEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_TRUE(SetEnvironmentVariableA("CHGU_CHANGE_DATE_KEY", TestKey().c_str()));
    }
};

const auto* const kTestKeyEnvironment = ::testing::AddGlobalTestEnvironment(new TestKeyEnvironment);

std::u16string U16(std::string_view utf8) {
    return platform::Utf8ToUtf16(utf8);
}

// The worked example of the README and of chgu-cli, and its number report
// with the change date passed in 2008, long lines.
constexpr std::string_view kWorkedExample = "3期 鼠,05,05";
constexpr std::string_view kWorkedExampleReport =
    "共00次:02,03,04,06,07,08,09,10,11,12,14,15,16,17,18,19,20,21,22,23,24,26,27,28,"
    "29,30,31,32,33,34,35,36,38,39,40,41,42,43,44,45,46,47,48,（43码）\r\n"
    "共01次:01,13,25,37,49,（5码）\r\n"
    "共02次:05,（1码）\r\n";

void DeleteStoredDates() {
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        RegDeleteKeyA(root, TestKey().c_str());
    }
}

[[nodiscard]] bool StoreBytes(HKEY root, std::string_view bytes) {
    HKEY key = nullptr;
    if (RegCreateKeyA(root, TestKey().c_str(), &key) != ERROR_SUCCESS) {
        return false;
    }
    const LONG result =
        RegSetValueExA(key, "ChangeDate", 0, REG_NONE, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

[[nodiscard]] bool StoreDate(HKEY root, std::string_view utf8) {
    return StoreBytes(root, platform::Utf8ToGbk(utf8));
}

// Lets everyone read the key but no one set its values, as the machine's key
// is for an ordinary user on Windows (Wine honours it).
[[nodiscard]] bool RefuseWrites(HKEY root) {
    HKEY key = nullptr;
    if (RegCreateKeyA(root, TestKey().c_str(), &key) != ERROR_SUCCESS) {
        return false;
    }
    PSECURITY_DESCRIPTOR security = nullptr;
    bool refused = ConvertStringSecurityDescriptorToSecurityDescriptorA(
                       "D:(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1, &security, nullptr) != 0;
    refused =
        refused && RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security) == ERROR_SUCCESS;
    LocalFree(security);
    RegCloseKey(key);
    return refused;
}

struct StoredValue {
    DWORD type = 0;
    std::string bytes;
};

std::optional<StoredValue> ReadStoredDate(HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, TestKey().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    StoredValue value;
    char buffer[256] = {};
    DWORD size = sizeof buffer;
    const LONG result = RegQueryValueExA(key, "ChangeDate", nullptr, &value.type,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.bytes.assign(buffer, size);
    return value;
}

std::optional<std::u16string> ClipboardText() {
    if (!OpenClipboard(nullptr)) {
        return std::nullopt;
    }
    std::optional<std::u16string> text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        text = static_cast<const char16_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::u16string ComboItem(HWND combo, int index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        return u"<no item>";
    }
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(length));
    return {item.begin(), item.end()};
}

HWND FindWindowOfProcess(HWND sibling, const wchar_t* caption) {
    DWORD process = 0;
    GetWindowThreadProcessId(sibling, &process);
    for (HWND window = FindWindowW(nullptr, caption); window != nullptr;
         window = FindWindowExW(nullptr, window, nullptr, caption)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

std::wstring ScreenshotFolder() {
    std::string path = CHGU_SCREENSHOT_DIR;
    // Under Wine the build folder is a Unix path, reached through Z:.
    if (path.starts_with("/")) {
        path = "Z:" + path;
    }
    std::wstring folder(path.begin(), path.end());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

class ChguWindow : public ::testing::Test {
  protected:
    void SetUp() override { DeleteStoredDates(); }
    // Every program ends as a user ends it, by closing its windows, and
    // nothing stored is left behind for the next one.
    void TearDown() override {
        Stop();
        DeleteStoredDates();
    }

    // Use as ASSERT_NO_FATAL_FAILURE(Start()).
    void Start() {
        chgu_.emplace(copy_.Exe(), L"TipstatForm");
        ASSERT_NE(chgu_->Window(), nullptr) << "chgu.exe did not open";
    }
    void Stop() {
        if (chgu_ && chgu_->Window() != nullptr) {
            EXPECT_TRUE(chgu_->Close()) << "chgu.exe did not end when its windows were closed";
        }
        chgu_.reset();
    }
    HWND Window() const { return chgu_->Window(); }
    HWND Get(int id) const { return chgu_->Control(id); }
    std::u16string TextOf(int id) const { return Text(Get(id)); }
    void ClickId(int id) const { EXPECT_TRUE(Click(Get(id))) << "the click was not handled"; }
    HWND OpenNumberPage() const {
        ClickId(ids::kCommand1 + 69);
        HWND page = nullptr;
        e2e::WaitUntil(
            [&] { return (page = FindWindowOfProcess(Window(), L"号码页")) != nullptr; });
        return page;
    }

    // A day after every change date the tests store, unless a test says
    // otherwise.
    e2e::TestDay today_{"2026-03-01"};
    // chgu.exe in a folder of the test's own, with the files a test puts there.
    e2e::ProgramCopy copy_{"chgu.exe"};
    std::optional<e2e::RunningProgram> chgu_;
};

TEST_F(ChguWindow, FirstStartShowsTheWelcomeTextAndTheDefaults) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(Text(Window()), U16("澄观统计器V2.0至尊版"));
    const RECT client = e2e::ClientRect(Window());
    EXPECT_EQ(client.right, 547);
    EXPECT_EQ(client.bottom, 480);  // 458 and the line of 繁体字也统计
    EXPECT_EQ(TextOf(ids::kText1), chgu::WelcomeText());
    EXPECT_EQ(TextOf(ids::kText3), U16("2006年01月29日"));
    EXPECT_EQ(TextOf(ids::kCombo1), U16("自定义"));
    EXPECT_TRUE(Checked(Get(ids::kCheck1)));
    EXPECT_FALSE(Checked(Get(ids::kCheck2)));
    EXPECT_TRUE(Checked(Get(ids::kOption2)));
    EXPECT_FALSE(Checked(Get(ids::kOption1)));
}

TEST_F(ChguWindow, EveryControlStandsWhereTheLayoutPutsIt) {
    ASSERT_NO_FATAL_FAILURE(Start());
    const platform::FormLayout layout = Form1Layout();
    for (const platform::ControlLayout& row : layout.controls) {
        const HWND control = Get(row.id);
        ASSERT_NE(control, nullptr) << row.name;
        if (row.kind == platform::ControlKind::kButton ||
            row.kind == platform::ControlKind::kLabel) {
            EXPECT_EQ(Text(control), row.caption) << row.name;
        }
        const platform::Bounds expected = platform::ClientBounds(layout, row);
        const RECT actual = e2e::RectInParent(control);
        EXPECT_EQ(actual.left, expected.left) << row.name;
        EXPECT_EQ(actual.top, expected.top) << row.name;
        EXPECT_EQ(actual.right - actual.left, expected.width) << row.name;
        if (row.kind != platform::ControlKind::kDropDown) {
            // A closed drop-down list is as high as its font makes it.
            EXPECT_EQ(actual.bottom - actual.top, expected.height) << row.name;
        }
    }
}

TEST_F(ChguWindow, ChangeStoresTheDateUnderBothKeysAsGbkBytesOfTypeNoneAndTheNextStartReadsIt) {
    ASSERT_NO_FATAL_FAILURE(Start());
    SetText(Get(ids::kText3), U16("2009年01月26日"));
    ClickId(ids::kCommand3);
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        const std::optional<StoredValue> stored = ReadStoredDate(root);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->type, static_cast<DWORD>(REG_NONE));
        EXPECT_EQ(stored->bytes, platform::Utf8ToGbk("2009年01月26日"));
        EXPECT_EQ(stored->bytes.size(), 14u);
    }

    Stop();
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(TextOf(ids::kText3), U16("2009年01月26日"));
    EXPECT_EQ(TextOf(ids::kText1), u"");
}

// A date stored by this user wins; one stored for the machine (by an earlier
// installation) is read when the user has none.
TEST_F(ChguWindow, StartReadsTheUsersDateFirstAndTheMachinesWhenTheUserHasNone) {
    ASSERT_TRUE(StoreDate(HKEY_CURRENT_USER, "2009年01月26日"));
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(TextOf(ids::kText3), U16("2009年01月26日"));
    EXPECT_EQ(TextOf(ids::kText1), u"");
    Stop();

    ASSERT_TRUE(StoreDate(HKEY_LOCAL_MACHINE, "2008年02月07日"));
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(TextOf(ids::kText3), U16("2009年01月26日"));
    Stop();

    RegDeleteKeyA(HKEY_CURRENT_USER, TestKey().c_str());
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(TextOf(ids::kText3), U16("2008年02月07日"));
}

// Neither key takes the date, as for an ordinary user of a machine whose
// date was stored by an administrator: the typed date, the table year it
// gives and the input stay for the rest of the run, and the user is told
// once. The next start shows the date that is stored.
TEST_F(ChguWindow, ADateThatCannotBeSavedHoldsUntilTheProgramEndsAndTheUserIsTold) {
    ASSERT_TRUE(StoreDate(HKEY_CURRENT_USER, "2008年02月07日"));
    ASSERT_TRUE(RefuseWrites(HKEY_CURRENT_USER));
    ASSERT_TRUE(RefuseWrites(HKEY_LOCAL_MACHINE));
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_EQ(TextOf(ids::kText3), U16("2008年02月07日"));
    SetText(Get(ids::kText1), U16("鼠"));
    SetText(Get(ids::kText3), U16("2009年01月26日"));

    e2e::PostClick(Get(ids::kCommand3));
    const HWND box = chgu_->WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(e2e::MessageBoxText(box), chgu::kChangeDateNotSaved);
    e2e::CloseMessageBox(box);
    ASSERT_TRUE(chgu_->Settle(ids::kText3)) << "the window did not answer after the box";
    EXPECT_EQ(chgu_->VisibleMessageBox(), nullptr);
    EXPECT_EQ(TextOf(ids::kText3), U16("2009年01月26日"));
    EXPECT_EQ(TextOf(ids::kText1), U16("鼠"));
    // 2009's tables: 鼠 names 02, 14, 26 and 38.
    ClickId(ids::kCommand2);
    EXPECT_TRUE(TextOf(ids::kText2).ends_with(U16("共01次:02,14,26,38,（4码）\r\n")))
        << platform::Utf16ToUtf8(TextOf(ids::kText2));

    Stop();
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(TextOf(ids::kText3), U16("2008年02月07日"));
}

TEST_F(ChguWindow, HelpShowsTheUsageNotesInTheInputBox) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ClickId(ids::kCommand4);
    // The whole text is held by the handler's test; here its ends and one
    // line between, as the real edit box holds them.
    const std::u16string notes = TextOf(ids::kText1);
    EXPECT_TRUE(notes.starts_with(
        U16("                     使  用  说  明                       \r\n\r\n")));
    EXPECT_NE(notes.find(U16("    本统计器内置2005年至2010年的资料。\r\n\r\n")),
              std::u16string::npos);
    EXPECT_TRUE(notes.ends_with(U16("    祝你好运！\r\n"))) << platform::Utf16ToUtf8(notes);
}

// The worked example with the change date passed in 2008.
TEST_F(ChguWindow, NumberStatisticsWritesTheReportAndClearEmptiesTheInput) {
    ASSERT_TRUE(StoreDate(HKEY_CURRENT_USER, "2008年01月01日"));
    ASSERT_NO_FATAL_FAILURE(Start());
    SetText(Get(ids::kText1), U16(kWorkedExample));
    ClickId(ids::kCommand2);
    EXPECT_EQ(TextOf(ids::kText2), U16(kWorkedExampleReport));
    ClickId(ids::kCommand2 + 12);
    EXPECT_EQ(TextOf(ids::kText1), u"");
}

// The reports' exactness is the engine tests' own; here the window takes
// the whole text, answers, and writes a whole report of it.
TEST_F(ChguWindow, AMegabyteOfPastedTextIsCountedWholeAndTheWindowStillAnswers) {
    ASSERT_TRUE(StoreDate(HKEY_CURRENT_USER, "2008年01月01日"));
    ASSERT_NO_FATAL_FAILURE(Start());
    const std::u16string tip = e2e::HugeTipText(std::size_t{1} << 20, 2008);
    ASSERT_TRUE(SetText(Get(ids::kText1), tip));
    ClickId(ids::kCommand2);
    EXPECT_TRUE(e2e::ListsEveryNumberOnce(TextOf(ids::kText2), u':'));
    EXPECT_TRUE(e2e::SameText(TextOf(ids::kText1), tip));

    ClickId(ids::kCommand2 + 12);
    EXPECT_EQ(TextOf(ids::kText1), u"");
}

TEST_F(ChguWindow, AttributeButtonsAndTheRangeBoxTypeAtTheEnd) {
    ASSERT_TRUE(StoreDate(HKEY_CURRENT_USER, "2008年01月01日"));
    ASSERT_NO_FATAL_FAILURE(Start());
    ClickId(ids::kCommand1 + 8);   // 鼠
    ClickId(ids::kCommand1 + 56);  // 大尾
    SetText(Get(ids::kText5), u"0510");
    ClickId(ids::kCommand1 + 68);  // 段
    EXPECT_EQ(TextOf(ids::kText1), U16(",鼠,5尾,6尾,7尾,8尾,9尾,5,6,7,8,9,10"));
    ClickId(ids::kCommand1 + 8);  // the line is now 39 wide
    EXPECT_EQ(TextOf(ids::kText1), U16(",鼠,5尾,6尾,7尾,8尾,9尾,5,6,7,8,9,10,鼠\r\n"));
}

TEST_F(ChguWindow, CopyPutsTheReportOnTheClipboardAsUnicodeText) {
    ASSERT_NO_FATAL_FAILURE(Start());
    SetText(Get(ids::kText2), U16("共01次: 05,\r\n"));
    ClickId(ids::kCommand1 + 70);
    EXPECT_EQ(ClipboardText(), U16("共01次: 05,\r\n"));
    SetText(Get(ids::kText2), u"");
    ClickId(ids::kCommand1 + 70);
    EXPECT_EQ(ClipboardText(), u"");
}

// Another program holds the clipboard open: the copy takes nothing, what the
// clipboard held stays, and the report stays in Text2 to be copied again.
// Nothing claims the copy succeeded, so no message is shown.
TEST_F(ChguWindow, CopyWhileAnotherProgramHoldsTheClipboardLosesNothing) {
    ASSERT_NO_FATAL_FAILURE(Start());
    SetText(Get(ids::kText2), U16("共01次: 05,\r\n"));
    ClickId(ids::kCommand1 + 70);
    ASSERT_EQ(ClipboardText(), U16("共01次: 05,\r\n"));

    SetText(Get(ids::kText1), u"01");
    SetText(Get(ids::kText2), U16("共02次: 07,\r\n"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    ClickId(ids::kCommand1 + 70);
    CloseClipboard();
    EXPECT_EQ(TextOf(ids::kText2), U16("共02次: 07,\r\n"));
    EXPECT_EQ(ClipboardText(), U16("共01次: 05,\r\n"));
    EXPECT_EQ(TextOf(ids::kText1), u"01");
    ASSERT_TRUE(chgu_->Settle(ids::kText3));
    EXPECT_EQ(chgu_->VisibleMessageBox(), nullptr);

    ClickId(ids::kCommand1 + 70);
    EXPECT_EQ(ClipboardText(), U16("共02次: 07,\r\n"));
}

// What the list sends when the user picks an item.
void PickItem(HWND window, HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(ids::kCombo1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

// The caret at the end of the box's text, as typing leaves it.
bool CaretAtEnd(HWND box) {
    DWORD start = 0, end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const auto length = static_cast<DWORD>(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0));
    return start == length && end == length;
}

TEST_F(ChguWindow, DefineTxtBesideTheProgramFillsTheListAndAPickAppendsItsMembersAtTheEnd) {
    copy_.Put("Define.txt", platform::Utf8ToGbk("禽畜|牛马羊鸡狗猪\r\n\r\n野兽|鼠虎兔龙蛇猴\r\n"));
    ASSERT_TRUE(StoreDate(HKEY_CURRENT_USER, "2008年01月01日"));
    ASSERT_NO_FATAL_FAILURE(Start());
    const HWND combo = Get(ids::kCombo1);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(TextOf(ids::kCombo1), U16("自定义"));

    // A long input: the pick is typed in at its end, and the caret stays
    // there instead of the box jumping to the top.
    std::u16string input;
    for (int line = 0; line < 200; ++line) {
        input += u"01 05\r\n";
    }
    SetText(Get(ids::kText1), input);
    PickItem(Window(), combo, 0);
    EXPECT_EQ(TextOf(ids::kText1), input + U16("牛马羊鸡狗猪"));
    EXPECT_TRUE(CaretAtEnd(Get(ids::kText1)));
    EXPECT_GT(SendMessageW(Get(ids::kText1), EM_GETFIRSTVISIBLELINE, 0, 0), 150);
    EXPECT_EQ(TextOf(ids::kCombo1), U16("禽畜|牛马羊鸡狗猪"));
}

TEST_F(ChguWindow, AHundredThousandCustomAttributesAreListedAndTheLastOneTypes) {
    const char* animals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                             "马", "羊", "猴", "鸡", "狗", "猪"};
    std::string lines;
    for (int i = 1; i <= 100000; ++i) {
        lines += "组" + std::to_string(i) + "|" + animals[i % 12] + animals[i * 7 % 12] + "," +
                 std::to_string(i % 49 + 1) + "\r\n";
    }
    copy_.Put("Define.txt", platform::Utf8ToGbk(lines));
    ASSERT_TRUE(StoreDate(HKEY_CURRENT_USER, "2008年01月01日"));
    ASSERT_NO_FATAL_FAILURE(Start());
    const HWND combo = Get(ids::kCombo1);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 100000);
    EXPECT_EQ(ComboItem(combo, 0), U16("组1|牛羊,2"));
    EXPECT_EQ(ComboItem(combo, 99999), U16("组100000|龙龙,41"));
    EXPECT_EQ(TextOf(ids::kCombo1), chgu::kCombo1Caption);

    SetText(Get(ids::kText1), u"01 05");
    PickItem(Window(), combo, 99999);
    EXPECT_EQ(TextOf(ids::kText1), U16("01 05龙龙,41"));
}

// What such a file lists is the reader's tests' to say; the program starts
// with it, lists its lines and still answers.
TEST_F(ChguWindow, DefineTxtOfRandomBytesStillStartsTheProgram) {
    // Line breaks more often than at random, so that there are many lines.
    std::mt19937 random(49);
    std::string bytes(16 * 1024, '\0');
    for (char& byte : bytes) {
        const unsigned value = random() % 288;
        byte = static_cast<char>(value < 256 ? value : (value % 2 == 0 ? '\r' : '\n'));
    }
    copy_.Put("Define.txt", bytes);
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_GT(SendMessageW(Get(ids::kCombo1), CB_GETCOUNT, 0, 0), 20);
    EXPECT_EQ(TextOf(ids::kCombo1), chgu::kCombo1Caption);
    SetText(Get(ids::kText1), u"");
    ClickId(ids::kCommand1 + 8);
    EXPECT_EQ(TextOf(ids::kText1), u",鼠");
}

// Stored values another program may leave: the longest a reader takes,
// without a NUL; a date followed by a NUL and more; one byte too long.
TEST_F(ChguWindow, StartUpShowsTheStoredTextUpToItsNulOrTheWelcomeWhenItDoesNotFit) {
    std::string full = platform::Utf8ToGbk("2009年01月26日");
    std::u16string full_text = U16("2009年01月26日");
    while (full.size() < 254) {
        full += platform::Utf8ToGbk("澄观");
        full_text += U16("澄观");
    }
    full += "1";
    full_text += u"1";
    ASSERT_EQ(full.size(), 255u);
    const struct {
        std::string bytes;
        std::u16string text3, text1;
    } cases[] = {
        {full, full_text, u""},
        {platform::Utf8ToGbk("2008年02月07日") + std::string("\0\x80\xFFjunk", 7),
         U16("2008年02月07日"), u""},
        {full + "1", U16("2006年01月29日"), chgu::WelcomeText()},
    };
    for (const auto& stored : cases) {
        ASSERT_TRUE(StoreBytes(HKEY_CURRENT_USER, stored.bytes));
        ASSERT_NO_FATAL_FAILURE(Start());
        EXPECT_EQ(TextOf(ids::kText3), stored.text3) << stored.bytes.size();
        EXPECT_EQ(TextOf(ids::kText1), stored.text1) << stored.bytes.size();
        Stop();
        DeleteStoredDates();
    }
}

TEST_F(ChguWindow, NumberPageTypesNumbersRangesRemaindersAndThirds) {
    ASSERT_NO_FATAL_FAILURE(Start());
    SetText(Get(ids::kText1), u"");
    const HWND page = OpenNumberPage();
    ASSERT_NE(page, nullptr);
    const auto click = [&](int id) {
        EXPECT_TRUE(Click(GetDlgItem(page, id))) << "the click was not handled: " << id;
    };
    EXPECT_TRUE(Checked(GetDlgItem(page, ids::kPageOption1)));
    click(ids::kPageCommand1 + 7);
    EXPECT_EQ(TextOf(ids::kText1), u",07");

    click(ids::kPageOption2);
    click(ids::kPageCommand1 + 5);
    click(ids::kPageCommand1 + 8);
    click(ids::kPageCommand2);
    EXPECT_EQ(TextOf(ids::kText1), u",07,5,6,7,8");

    SetText(Get(ids::kText1), u"");
    click(ids::kPageOption1);
    click(ids::kPageCommand3 + 1);  // 除3余1
    EXPECT_TRUE(Checked(GetDlgItem(page, ids::kPageOption2)));
    EXPECT_FALSE(Checked(GetDlgItem(page, ids::kPageOption1)));
    click(ids::kPageCommand4 + 2);  // 后段
    EXPECT_EQ(TextOf(ids::kText1),
              u",01,04,07,10,13,16,19,22,25,28,31,34,37,40,43,46,49,\r\n"
              u",33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,\r\n");

    // Closed and opened again: number mode, but the range is kept.
    SendMessageW(page, WM_CLOSE, 0, 0);
    const HWND again = OpenNumberPage();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(Checked(GetDlgItem(again, ids::kPageOption1)));
    SetText(Get(ids::kText1), u"");
    EXPECT_TRUE(Click(GetDlgItem(again, ids::kPageCommand2)));
    EXPECT_EQ(TextOf(ids::kText1), u",5,6,7,8");
    SendMessageW(again, WM_CLOSE, 0, 0);
}

TEST_F(ChguWindow, ClosingTheMainWindowLeavesThePageOpenUntilItClosesToo) {
    ASSERT_NO_FATAL_FAILURE(Start());
    const HWND page = OpenNumberPage();
    ASSERT_NE(page, nullptr);
    DWORD process_id = 0;
    GetWindowThreadProcessId(Window(), &process_id);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, process_id);
    SendMessageW(Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(Window()));
    ASSERT_TRUE(IsWindow(page));
    EXPECT_TRUE(Click(GetDlgItem(page, ids::kPageCommand4)));  // writes nowhere, harms nothing
    // Had the close ended the message loop, the program would not take a
    // message after the click.
    EXPECT_TRUE(e2e::Answers(page));
    EXPECT_EQ(WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    PostMessageW(page, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(process);
}

// Brings a window to the front, redrawn frame and all, and waits until it
// has painted.
[[nodiscard]] bool Repaint(HWND window) {
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return e2e::WaitUntilPainted(window);
}

// Saves both windows under the build folder and checks their colours.
TEST_F(ChguWindow, ScreenshotsOfBothWindows) {
    ASSERT_TRUE(StoreDate(HKEY_CURRENT_USER, "2008年01月01日"));
    ASSERT_NO_FATAL_FAILURE(Start());
    SetText(Get(ids::kText1), U16("3期 鼠,05,05\r\n红单 九：05"));
    ClickId(ids::kCommand2);
    ASSERT_TRUE(Repaint(Window()));
    const std::wstring folder = ScreenshotFolder();
    const e2e::Screenshot main = e2e::CaptureSettled(Window(), [](const e2e::Screenshot& shot) {
        return shot.ClientPixel(387, 100) == RGB(0, 128, 128);
    });
    EXPECT_TRUE(main.SavePng(folder + L"/chgu-main.png"));
    EXPECT_EQ(main.ClientPixel(387, 100), RGB(0, 128, 128));    // between the boxes and buttons
    EXPECT_EQ(main.ClientPixel(200, 100), RGB(224, 224, 224));  // inside Text1

    const HWND page = OpenNumberPage();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Repaint(page));
    const e2e::Screenshot number_page = e2e::CaptureSettled(page, [](const e2e::Screenshot& shot) {
        return shot.ClientPixel(140, 2) == RGB(0, 192, 192);
    });
    EXPECT_TRUE(number_page.SavePng(folder + L"/chgu-page.png"));
    EXPECT_EQ(number_page.ClientPixel(140, 2), RGB(0, 192, 192));
    SendMessageW(page, WM_CLOSE, 0, 0);
}

std::optional<std::string> StoredTraditional() {
    char bytes[8] = {};
    DWORD size = sizeof bytes;
    if (RegGetValueA(HKEY_CURRENT_USER, TestKey().c_str(), "Traditional", RRF_RT_ANY, nullptr,
                     bytes, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(bytes, size);
}

// 繁体字也统计 as a user works it: the last stop of the Tab walk, ticked with
// the space bar; the zodiac report then counts 龍 and 馬 as 龙 and 马, and the
// next start finds it ticked (the user's key, beside the change date).
TEST_F(ChguWindow, TraditionalCheckBoxIsReachedByTabCountsTheFormsAndIsKept) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_FALSE(Checked(Get(ids::kCheck3)));
    EXPECT_EQ(Text(Get(ids::kCheck3)), platform::kTraditionalCaption);
    const platform::FormLayout main = Form1Layout();
    const auto stops = e2e::NamesOf(
        e2e::RoundFrom(e2e::ExpectedTabStops(main, main.client_width, Window()), "Text1"));
    // The controls after each press from Text1: 繁体字也统计 is the last of
    // the window, before the walk starts again at the top strip.
    const auto at = std::find(stops.begin(), stops.end(), "Check3");
    ASSERT_NE(at, stops.end());
    ASSERT_EQ(*(at + 1), "Text3");
    ASSERT_TRUE(e2e::BringToFront(Window()));
    ASSERT_EQ(e2e::FocusedControl(Window()), Get(ids::kText1));
    const auto walked = e2e::TabWalk(Window(), static_cast<std::size_t>(at - stops.begin()) + 1);
    ASSERT_FALSE(walked.empty());
    ASSERT_EQ(walked.back(), Get(ids::kCheck3));
    e2e::PressKey(VK_SPACE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Checked(Get(ids::kCheck3)); }));
    EXPECT_TRUE(e2e::WaitUntil([&] { return StoredTraditional() == "1"; }));

    const auto report = [&](std::u16string_view text) {
        EXPECT_TRUE(SetText(Get(ids::kText1), text));
        ClickId(ids::kCommand2 + 1);
        return TextOf(ids::kText2);
    };
    const std::u16string simplified = report(u"龙,马,05");
    EXPECT_EQ(report(u"龍,馬,05"), simplified);

    Stop();
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(Checked(Get(ids::kCheck3)));
    EXPECT_EQ(report(u"龍,馬,05"), simplified);
    ClickId(ids::kCheck3);
    EXPECT_EQ(StoredTraditional(), "0");
    EXPECT_NE(report(u"龍,馬,05"), simplified);
}

// A user key that refuses the value: told once, in a message box, however
// often the box is clicked, and the tick holds for the run.
TEST_F(ChguWindow, TraditionalTickThatCannotBeKeptIsToldOnceAndHolds) {
    ASSERT_TRUE(RefuseWrites(HKEY_CURRENT_USER));
    ASSERT_NO_FATAL_FAILURE(Start());
    e2e::PostClick(Get(ids::kCheck3));
    const HWND box = chgu_->WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(box), platform::kTraditionalNotKept);
    e2e::CloseMessageBox(box);
    ClickId(ids::kCheck3);
    ClickId(ids::kCheck3);
    ASSERT_TRUE(chgu_->Settle(ids::kText3));
    EXPECT_EQ(chgu_->VisibleMessageBox(), nullptr);
    EXPECT_TRUE(Checked(Get(ids::kCheck3)));
    EXPECT_FALSE(StoredTraditional());
    EXPECT_TRUE(SetText(Get(ids::kText1), u"龍"));
    ClickId(ids::kCommand2 + 1);
    EXPECT_NE(TextOf(ids::kText2).find(u"【共01次】：龙,"), std::u16string::npos);
}

// Real key presses: Tab walks the main window in the table's reading order
// from the input box round to it again, and the number page from its mode
// options to 后段; the arrow keys move the page's mode.
TEST_F(ChguWindow, TabWalksBothWindowsInReadingOrder) {
    ASSERT_NO_FATAL_FAILURE(Start());
    const platform::FormLayout main = Form1Layout();
    ASSERT_TRUE(e2e::BringToFront(Window()));
    ASSERT_EQ(e2e::FocusedControl(Window()), Get(ids::kText1));
    const auto stops =
        e2e::RoundFrom(e2e::ExpectedTabStops(main, main.client_width, Window()), "Text1");
    EXPECT_EQ(e2e::NamesOf(main, e2e::TabWalk(Window(), stops.size())), e2e::NamesOf(stops));
    EXPECT_EQ(e2e::NamesOf(main, e2e::TabWalk(Window(), 2, true)),
              (std::vector<std::string>{"Text5", "Command1(68)"}));

    const HWND page = OpenNumberPage();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(e2e::BringToFront(page));
    const platform::FormLayout layout = Form2Layout();
    const auto page_stops = e2e::ExpectedTabStops(layout, layout.client_width, page);
    EXPECT_EQ(e2e::NamesOf(layout, e2e::TabWalk(page, page_stops.size())),
              e2e::NamesOf(page_stops));
    e2e::TabWalk(page, 1);  // round to the mode options
    ASSERT_EQ(e2e::FocusedControl(page), GetDlgItem(page, ids::kPageOption1));
    e2e::PressKey(VK_RIGHT);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Checked(GetDlgItem(page, ids::kPageOption2)); }));
    EXPECT_FALSE(Checked(GetDlgItem(page, ids::kPageOption1)));
}

// The numbers a report names once, "" when it names none once.
std::u16string NamedOnce(const std::u16string& report) {
    const std::size_t start = report.find(U16("共01次:"));
    return start == std::u16string::npos
               ? u""
               : report.substr(start, report.find(u"\r\n", start) - start);
}

// The release's file and the change date of 2026 (the Spring Festival):
// the zodiac and element words count by the file's 2026 tables.
TEST_F(ChguWindow, YearTablesBesideTheProgramCountTheChangeDatesYearByTheFile) {
    copy_.Put("YearTables.txt", yeartables::GeneratedYearTables(2011, 2040));
    ASSERT_TRUE(StoreDate(HKEY_CURRENT_USER, "2026年02月17日"));
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(chgu_->Settle(ids::kText3)) << "the window did not answer";
    EXPECT_EQ(chgu_->VisibleMessageBox(), nullptr);
    EXPECT_EQ(TextOf(ids::kText3), U16("2026年02月17日"));

    SetText(Get(ids::kText1), U16("马"));
    ClickId(ids::kCommand2);
    EXPECT_EQ(NamedOnce(TextOf(ids::kText2)), U16("共01次:01,13,25,37,49,（5码）"));
    SetText(Get(ids::kText1), U16("火"));
    ClickId(ids::kCommand2);
    EXPECT_EQ(NamedOnce(TextOf(ids::kText2)),
              U16("共01次:02,03,10,11,18,19,32,33,40,41,48,49,（12码）"));
}

// A change date in 2030 turns the tables on its day, not before: the day
// before the table year is 2029 (鸡, 马 is number 04), on it 2030 (狗, 05).
TEST_F(ChguWindow, AChangeDateIn2030TurnsTheFilesTablesOnItsDay) {
    copy_.Put("YearTables.txt", yeartables::GeneratedYearTables(2011, 2040));
    ASSERT_TRUE(StoreDate(HKEY_CURRENT_USER, "2030年02月03日"));
    const struct {
        const char* today;
        std::string_view named_once;
    } days[] = {{"2030-02-02", "共01次:04,16,28,40,（4码）"},
                {"2030-02-03", "共01次:05,17,29,41,（4码）"}};
    for (const auto& day : days) {
        const e2e::TestDay today(day.today);
        ASSERT_NO_FATAL_FAILURE(Start());
        SetText(Get(ids::kText1), U16("马"));
        ClickId(ids::kCommand2);
        EXPECT_EQ(NamedOnce(TextOf(ids::kText2)), U16(day.named_once)) << day.today;
        Stop();
    }
}

// A file with a fault: one message box names it, its line and the fault,
// and the program works on with its built-in years.
TEST_F(ChguWindow, AFaultyYearTablesFileIsToldAndTheProgramWorksOn) {
    const std::u16string file = copy_.Put(
        "YearTables.txt", "# 年份表\r\n" + platform::Utf16ToUtf8(yeartables::FormatYearLine(
                                               yeartables::StandardYearRow(2010))));
    ASSERT_TRUE(StoreDate(HKEY_CURRENT_USER, "2008年01月01日"));
    ASSERT_NO_FATAL_FAILURE(Start());
    const HWND box = chgu_->WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(e2e::MessageBoxText(box),
              u"年份表文件“" + file +
                  U16("”第 2 行有错：2010 年及以前的表是程序内置的，不能写在文件里（这一行是 2010 "
                      "年）。"));
    e2e::CloseMessageBox(box);
    ASSERT_TRUE(chgu_->Settle(ids::kText3)) << "the window did not answer after the box";
    EXPECT_EQ(chgu_->VisibleMessageBox(), nullptr);

    EXPECT_EQ(TextOf(ids::kText3), U16("2008年01月01日"));
    SetText(Get(ids::kText1), U16(kWorkedExample));
    ClickId(ids::kCommand2);
    EXPECT_EQ(TextOf(ids::kText2), U16(kWorkedExampleReport));
}

}  // namespace
