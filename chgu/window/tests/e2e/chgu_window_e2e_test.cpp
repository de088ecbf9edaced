// chgu.exe itself, driven from outside by window messages as a user would
// drive it. Every test starts the program afresh, most of them without a
// stored change date.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "chgu/command2.h"
#include "chgu/custom_attributes.h"
#include "chgu/form1_controls.h"
#include "chgu/startup.h"
#include "chgu/window/control_ids.h"
#include "chgu/window/layouts.h"
#include "huge_input.h"
#include "platform/codepage.h"
#include "window_driver.h"

namespace {

namespace ids = chgu::ids;
using e2e::Checked;
using e2e::Click;
using e2e::SetText;
using e2e::Text;

constexpr char kKey[] = "Software\\ChguStat";

std::u16string U16(std::string_view utf8) {
    return platform::Utf8ToUtf16(utf8);
}

std::wstring TestFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

void DeleteStoredDate() {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
}

void StoreBytes(std::string_view bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, kKey, &key), ERROR_SUCCESS);
    RegSetValueExA(key, "ChangeDate", 0, REG_NONE, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void StoreDate(std::string_view utf8) {
    StoreBytes(platform::Utf8ToGbk(utf8));
}

struct StoredValue {
    DWORD type = 0;
    std::string bytes;
};

std::optional<StoredValue> ReadStoredDate() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
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

// Define.txt beside chgu.exe for one test.
class DefineTxt {
  public:
    explicit DefineTxt(std::string_view bytes) : path_(TestFolder() + L"Define.txt") {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    DefineTxt(const DefineTxt&) = delete;
    DefineTxt& operator=(const DefineTxt&) = delete;
    ~DefineTxt() { std::filesystem::remove(path_); }

    // The list as the reader makes it of the file.
    std::vector<std::u16string> Lines() const {
        return chgu::LoadCustomAttributes(path_.parent_path());
    }

  private:
    std::filesystem::path path_;
};

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
    void SetUp() override { DeleteStoredDate(); }
    // Nothing stored is left behind for the next program.
    void TearDown() override { DeleteStoredDate(); }

    void Start() {
        chgu_.emplace(L"chgu.exe", L"TipstatForm");
        ASSERT_NE(chgu_->Window(), nullptr) << "chgu.exe did not open";
    }
    HWND Window() const { return chgu_->Window(); }
    HWND Get(int id) const { return chgu_->Control(id); }
    std::u16string TextOf(int id) const { return Text(Get(id)); }
    void ClickId(int id) const { Click(Get(id)); }
    HWND OpenNumberPage() const {
        ClickId(ids::kCommand1 + 69);
        HWND page = nullptr;
        e2e::WaitUntil(
            [&] { return (page = FindWindowOfProcess(Window(), L"号码页")) != nullptr; });
        return page;
    }

    std::optional<e2e::RunningProgram> chgu_;
};

TEST_F(ChguWindow, FirstStartShowsTheWelcomeTextAndTheDefaults) {
    Start();
    EXPECT_EQ(Text(Window()), U16("澄观统计器V2.0至尊版"));
    const RECT client = e2e::ClientRect(Window());
    EXPECT_EQ(client.right, 547);
    EXPECT_EQ(client.bottom, 458);
    EXPECT_EQ(TextOf(ids::kText1), chgu::WelcomeText());
    EXPECT_EQ(TextOf(ids::kText3), U16("2006年01月29日"));
    EXPECT_EQ(TextOf(ids::kCombo1), U16("自定义"));
    EXPECT_TRUE(Checked(Get(ids::kCheck1)));
    EXPECT_FALSE(Checked(Get(ids::kCheck2)));
    EXPECT_TRUE(Checked(Get(ids::kOption2)));
    EXPECT_FALSE(Checked(Get(ids::kOption1)));
}

TEST_F(ChguWindow, EveryControlStandsWhereTheLayoutPutsIt) {
    Start();
    const chgu::WindowLayout layout = chgu::Form1Layout({});
    for (const platform::ControlLayout& row : layout.form.controls) {
        const HWND control = Get(row.id);
        ASSERT_NE(control, nullptr) << row.name;
        if (row.kind == platform::ControlKind::kButton ||
            row.kind == platform::ControlKind::kLabel) {
            EXPECT_EQ(Text(control), row.caption) << row.name;
        }
        const platform::Bounds expected = platform::ClientBounds(layout.form, row);
        const RECT actual = e2e::RectInParent(control);
        EXPECT_EQ(actual.left, expected.left) << row.name;
        EXPECT_EQ(actual.top, expected.top) << row.name;
        EXPECT_EQ(actual.right - actual.left, expected.width) << row.name;
        EXPECT_EQ(actual.bottom - actual.top, expected.height) << row.name;
    }
    for (const chgu::AddedControl& row : layout.added) {
        const RECT actual = e2e::RectInParent(Get(row.id));
        EXPECT_EQ(actual.left, row.bounds.left) << row.name;
        EXPECT_EQ(actual.top, row.bounds.top) << row.name;
    }
}

TEST_F(ChguWindow, ChangeStoresTheDateAsGbkBytesOfTypeNoneAndTheNextStartReadsIt) {
    Start();
    SetText(Get(ids::kText3), U16("2009年01月26日"));
    ClickId(ids::kCommand3);
    const std::optional<StoredValue> stored = ReadStoredDate();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_NONE));
    EXPECT_EQ(stored->bytes, platform::Utf8ToGbk("2009年01月26日"));
    EXPECT_EQ(stored->bytes.size(), 14u);

    chgu_.reset();
    Start();
    EXPECT_EQ(TextOf(ids::kText3), U16("2009年01月26日"));
    EXPECT_EQ(TextOf(ids::kText1), u"");
}

TEST_F(ChguWindow, HelpShowsTheUsageNotesInTheInputBox) {
    Start();
    ClickId(ids::kCommand4);
    EXPECT_EQ(TextOf(ids::kText1), chgu::UsageNotes());
}

TEST_F(ChguWindow, StatisticsButtonsWriteTheEngineReportAndClearEmptiesTheInput) {
    StoreDate("2008年01月01日");
    Start();
    const std::u16string tip = U16("3期 鼠,05,05 【牛】");
    for (const std::int16_t index : std::initializer_list<std::int16_t>{0, 1, 10}) {
        SetText(Get(ids::kText1), tip);
        ClickId(ids::kCommand2 + index);
        chgu::MemoryForm1Controls expected;
        expected.Text1 = tip;
        chgu::Form1State state{u"2008", 0};
        chgu::Command2_Click(expected, state, index);
        EXPECT_EQ(TextOf(ids::kText2), expected.Text2) << index;
    }
    EXPECT_NE(TextOf(ids::kText2), u"");
    ClickId(ids::kCommand2 + 12);
    EXPECT_EQ(TextOf(ids::kText1), u"");
}

TEST_F(ChguWindow, AMegabyteOfPastedTextIsCountedWholeAndTheWindowStillAnswers) {
    StoreDate("2008年01月01日");
    Start();
    const std::u16string tip = e2e::HugeTipText(std::size_t{1} << 20, 2008);
    ASSERT_TRUE(SetText(Get(ids::kText1), tip));
    chgu::MemoryForm1Controls expected;
    expected.Text1 = tip;
    chgu::Form1State state{u"2008", 0};
    for (const std::int16_t index : {chgu::kNumberStatisticsIndex, std::int16_t{1}}) {
        EXPECT_TRUE(Click(Get(ids::kCommand2 + index))) << index;
        chgu::Command2_Click(expected, state, index);
        EXPECT_TRUE(e2e::SameText(TextOf(ids::kText2), expected.Text2)) << index;
    }
    EXPECT_TRUE(e2e::SameText(TextOf(ids::kText1), tip));

    EXPECT_TRUE(Click(Get(ids::kCommand2 + chgu::kClearIndex)));
    EXPECT_EQ(TextOf(ids::kText1), u"");
}

TEST_F(ChguWindow, AttributeButtonsAndTheRangeBoxTypeAtTheEnd) {
    StoreDate("2008年01月01日");
    Start();
    ClickId(ids::kCommand1 + 8);   // 鼠
    ClickId(ids::kCommand1 + 56);  // 大尾
    SetText(Get(ids::kText5), u"0510");
    ClickId(ids::kCommand1 + 68);  // 段
    EXPECT_EQ(TextOf(ids::kText1), U16(",鼠,5尾,6尾,7尾,8尾,9尾,5,6,7,8,9,10"));
    ClickId(ids::kCommand1 + 8);  // the line is now 39 wide
    EXPECT_EQ(TextOf(ids::kText1), U16(",鼠,5尾,6尾,7尾,8尾,9尾,5,6,7,8,9,10,鼠\r\n"));
}

TEST_F(ChguWindow, CopyPutsTheReportOnTheClipboardAsUnicodeText) {
    Start();
    SetText(Get(ids::kText2), U16("共01次: 05,\r\n"));
    ClickId(ids::kCommand1 + 70);
    EXPECT_EQ(ClipboardText(), U16("共01次: 05,\r\n"));
    SetText(Get(ids::kText2), u"");
    ClickId(ids::kCommand1 + 70);
    EXPECT_EQ(ClipboardText(), u"");
}

TEST_F(ChguWindow, DefineTxtBesideTheProgramFillsTheListAndAPickAppendsItsMembers) {
    const std::wstring file = TestFolder() + L"Define.txt";
    std::ofstream(std::filesystem::path(file), std::ios::binary)
        << platform::Utf8ToGbk("禽畜|牛马羊鸡狗猪\r\n\r\n野兽|鼠虎兔龙蛇猴\r\n");
    StoreDate("2008年01月01日");
    Start();
    DeleteFileW(file.c_str());
    const HWND combo = Get(ids::kCombo1);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(TextOf(ids::kCombo1), U16("自定义"));

    SetText(Get(ids::kText1), u"01 05");
    // What the list sends when the user picks its first item.
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(ids::kCombo1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(TextOf(ids::kText1), U16("01 05牛马羊鸡狗猪"));
}

TEST_F(ChguWindow, AHundredThousandCustomAttributesAreListedAndTheLastOneTypes) {
    const char* animals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                             "马", "羊", "猴", "鸡", "狗", "猪"};
    std::string lines;
    for (int i = 1; i <= 100000; ++i) {
        lines += "组" + std::to_string(i) + "|" + animals[i % 12] + animals[i * 7 % 12] + "," +
                 std::to_string(i % 49 + 1) + "\r\n";
    }
    const DefineTxt define(platform::Utf8ToGbk(lines));
    const std::vector<std::u16string> listed = define.Lines();
    ASSERT_EQ(listed.size(), 100000u);
    StoreDate("2008年01月01日");
    Start();
    const HWND combo = Get(ids::kCombo1);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 100000);
    EXPECT_EQ(ComboItem(combo, 0), listed.front());
    EXPECT_EQ(ComboItem(combo, 99999), listed.back());
    EXPECT_EQ(TextOf(ids::kCombo1), chgu::kCombo1Caption);

    SetText(Get(ids::kText1), u"01 05");
    SendMessageW(combo, CB_SETCURSEL, 99999, 0);
    SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(ids::kCombo1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    chgu::MemoryForm1Controls expected;
    expected.Text1 = u"01 05";
    chgu::Combo1_Click(expected, listed.back());
    EXPECT_EQ(TextOf(ids::kText1), expected.Text1);
}

TEST_F(ChguWindow, DefineTxtOfRandomBytesIsListedAsTheReaderTakesIt) {
    // Line breaks more often than at random, so that there are many lines.
    std::mt19937 random(49);
    std::string bytes(16 * 1024, '\0');
    for (char& byte : bytes) {
        const unsigned value = random() % 288;
        byte = static_cast<char>(value < 256 ? value : (value % 2 == 0 ? '\r' : '\n'));
    }
    const DefineTxt define(bytes);
    const std::vector<std::u16string> listed = define.Lines();
    Start();
    const HWND combo = Get(ids::kCombo1);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(listed.size()));
    // A list item, like every Windows string, ends at its first NUL.
    int different = 0;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const std::u16string& line = listed[i];
        different += ComboItem(combo, static_cast<int>(i)) != line.substr(0, line.find(u'\0'));
    }
    EXPECT_EQ(different, 0) << "of " << listed.size();
}

chgu::MemoryChangeDateStore Holding(std::string_view bytes) {
    chgu::MemoryChangeDateStore store;
    store.bytes = std::string(bytes);
    return store;
}

// What the start-up sequence shows for the stored bytes, as it runs in this
// process over the same bytes.
chgu::MemoryForm1Controls StartUpWith(std::string_view bytes) {
    chgu::MemoryChangeDateStore store = Holding(bytes);
    chgu::MemoryForm1Controls controls;
    chgu::Form1State state;
    // No Define.txt in a folder that does not exist.
    chgu::Form_Load(controls, state,
                    {store, std::filesystem::path(TestFolder()) / "none", chgu::LocalToday()});
    return controls;
}

TEST_F(ChguWindow, StartUpShowsWhatTheReaderDecodesOfAnyStoredBytes) {
    std::string full = platform::Utf8ToGbk("2009年01月26日");
    while (full.size() < 254) {
        full += platform::Utf8ToGbk("澄观");
    }
    full += "1";
    ASSERT_EQ(full.size(), 255u);
    // Random bytes up to a NUL, among them a line break and bytes that are no
    // code page 936 character, and after it more that the reader leaves.
    std::mt19937 random(936);
    std::string noise(200, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>(i < 150 ? 1 + random() % 255 : random() % 256);
    }
    noise[150] = '\0';
    noise.replace(40, 4, "\r\n\x80\xFF");
    const struct {
        std::string bytes;
        bool has_value;
    } cases[] = {{full, true}, {noise, true}, {full + "1", false}};
    for (const auto& stored : cases) {
        ASSERT_EQ(chgu::ReadChangeDate(Holding(stored.bytes)).empty(), !stored.has_value);
        StoreBytes(stored.bytes);
        Start();
        const chgu::MemoryForm1Controls expected = StartUpWith(stored.bytes);
        EXPECT_EQ(TextOf(ids::kText3), expected.Text3) << stored.bytes.size();
        EXPECT_EQ(TextOf(ids::kText1), expected.Text1) << stored.bytes.size();
        chgu_.reset();
        DeleteStoredDate();
    }
}

TEST_F(ChguWindow, NumberPageTypesNumbersRangesRemaindersAndThirds) {
    Start();
    SetText(Get(ids::kText1), u"");
    const HWND page = OpenNumberPage();
    ASSERT_NE(page, nullptr);
    const auto button = [&](int id) { return GetDlgItem(page, id); };
    EXPECT_TRUE(Checked(button(ids::kPageOption1)));
    Click(button(ids::kPageCommand1 + 7));
    EXPECT_EQ(TextOf(ids::kText1), u",07");

    Click(button(ids::kPageOption2));
    Click(button(ids::kPageCommand1 + 5));
    Click(button(ids::kPageCommand1 + 8));
    Click(button(ids::kPageCommand2));
    EXPECT_EQ(TextOf(ids::kText1), u",07,5,6,7,8");

    SetText(Get(ids::kText1), u"");
    Click(button(ids::kPageOption1));
    Click(button(ids::kPageCommand3 + 1));  // 除3余1
    EXPECT_TRUE(Checked(button(ids::kPageOption2)));
    EXPECT_FALSE(Checked(button(ids::kPageOption1)));
    Click(button(ids::kPageCommand4 + 2));  // 后段
    EXPECT_EQ(TextOf(ids::kText1),
              u",01,04,07,10,13,16,19,22,25,28,31,34,37,40,43,46,49,\r\n"
              u",33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,\r\n");

    // Closed and opened again: number mode, but the range is kept.
    SendMessageW(page, WM_CLOSE, 0, 0);
    const HWND again = OpenNumberPage();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(Checked(GetDlgItem(again, ids::kPageOption1)));
    SetText(Get(ids::kText1), u"");
    Click(GetDlgItem(again, ids::kPageCommand2));
    EXPECT_EQ(TextOf(ids::kText1), u",5,6,7,8");
    SendMessageW(again, WM_CLOSE, 0, 0);
}

TEST_F(ChguWindow, ClosingTheMainWindowLeavesThePageOpenUntilItClosesToo) {
    Start();
    const HWND page = OpenNumberPage();
    ASSERT_NE(page, nullptr);
    DWORD process_id = 0;
    GetWindowThreadProcessId(Window(), &process_id);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, process_id);
    SendMessageW(Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(Window()));
    ASSERT_TRUE(IsWindow(page));
    Click(GetDlgItem(page, ids::kPageCommand4));  // writes nowhere, harms nothing
    EXPECT_EQ(WaitForSingleObject(process, 500), static_cast<DWORD>(WAIT_TIMEOUT));
    PostMessageW(page, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(process);
}

// Brings a window to the front, redrawn frame and all, and waits until it
// has painted.
void Repaint(HWND window) {
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    e2e::WaitUntil([&] {
        RECT update;
        return GetUpdateRect(window, &update, FALSE) == FALSE;
    });
    Sleep(300);
}

// Saves both windows under the build folder and checks their colours.
TEST_F(ChguWindow, ScreenshotsOfBothWindows) {
    StoreDate("2008年01月01日");
    Start();
    SetText(Get(ids::kText1), U16("3期 鼠,05,05\r\n红单 九：05"));
    ClickId(ids::kCommand2);
    Repaint(Window());
    const std::wstring folder = ScreenshotFolder();
    const e2e::Screenshot main = e2e::CaptureWhen(Window(), [](const e2e::Screenshot& shot) {
        return shot.ClientPixel(387, 100) == RGB(0, 128, 128);
    });
    EXPECT_TRUE(main.SavePng(folder + L"/chgu-main.png"));
    EXPECT_EQ(main.ClientPixel(387, 100), RGB(0, 128, 128));    // between the boxes and buttons
    EXPECT_EQ(main.ClientPixel(200, 100), RGB(224, 224, 224));  // inside Text1

    const HWND page = OpenNumberPage();
    ASSERT_NE(page, nullptr);
    Repaint(page);
    const e2e::Screenshot number_page = e2e::CaptureWhen(page, [](const e2e::Screenshot& shot) {
        return shot.ClientPixel(140, 2) == RGB(0, 192, 192);
    });
    EXPECT_TRUE(number_page.SavePng(folder + L"/chgu-page.png"));
    EXPECT_EQ(number_page.ClientPixel(140, 2), RGB(0, 192, 192));
    SendMessageW(page, WM_CLOSE, 0, 0);
}

}  // namespace
