// The start-up sequence, "更改" and "帮助" on a window held in memory.
#include <gtest/gtest.h>

#include <random>

#include "chgu/command2.h"
#include "chgu/form1.h"
#include "chgu/startup.h"
#include "platform/codepage.h"
#include "test_support.h"

namespace chgu {
namespace {

using test::TempFolder;
using test::U16;
using test::U8;

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos;
         start = end + 2) {
        lines.emplace_back(text.substr(start, end - start));
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

struct Window {
    explicit Window(CivilDate today_date) : today(today_date) {}

    MemoryForm1Controls controls;
    MemoryChangeDateStore store;
    TempFolder folder;
    CivilDate today;
    Form1 form{controls, store, folder.path(), [this] { return today; }};
};

TEST(FormLoad, FirstStartShowsTheWelcomeTextAndUsesTheDesignDate) {
    Window window({2008, 5, 1});
    window.controls.Text1 = u"01 02";
    window.form.Form_Load();
    EXPECT_EQ(window.controls.Text1, WelcomeText());
    EXPECT_EQ(U8(window.controls.Text3), "2006年01月29日");
    EXPECT_EQ(U8(window.form.State().TableYear), "2006");
    EXPECT_EQ(U8(window.controls.Combo1), "自定义");
    EXPECT_TRUE(window.controls.Combo1List.empty());
}

TEST(FormLoad, WelcomeTextHasElevenLinesAndNoFinalLineBreak) {
    const std::vector<std::string> lines = Lines(U8(WelcomeText()));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "欢迎你使用本统计器！");
    EXPECT_EQ(lines[1], "第一次使用前，请先设置今年更改肖行的开始日期，并按“更改”");
    EXPECT_EQ(lines[2], "键即可，否则统计结果可能发生错误！");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "你如果想使用“自定义属性”，请在当前文件夹新建一个名为");
    EXPECT_EQ(lines[5], "“define.txt”的文件，并打开文件按下列格式录入要定义的属性，");
    EXPECT_EQ(lines[6], "一行一个。最后保存文件。例如：");
    EXPECT_EQ(lines[7], "禽畜|牛马羊鸡狗猪");
    EXPECT_EQ(lines[8], "野兽|鼠虎兔龙蛇猴");
    EXPECT_EQ(lines[9], "");
    EXPECT_FALSE(lines[10].empty());
}

TEST(FormLoad, StoredDateReplacesTheDesignDateAndLeavesTheInput) {
    Window window({2009, 3, 1});
    window.store.bytes = platform::Utf8ToGbk("2009年01月26日");
    window.controls.Text1 = u"01 02";
    window.form.Form_Load();
    EXPECT_EQ(window.controls.Text1, u"01 02");
    EXPECT_EQ(U8(window.controls.Text3), "2009年01月26日");
    EXPECT_EQ(U8(window.form.State().TableYear), "2009");
}

// Values another program or a damaged registry may leave: the longest value
// readers take, without a NUL, and random bytes with NULs and broken pairs.
// The start goes on with what they decode to, and a statistics press after it
// still writes a report.
TEST(FormLoad, HostileStoredValuesStartWithWhatTheyDecodeTo) {
    std::mt19937 random(255);
    std::vector<std::string> values = {std::string(255, '\xB0')};  // 127 pairs and a cut lead byte
    values.push_back(platform::Utf8ToGbk("2009年01月26日") + std::string(241, 'x'));
    for (int i = 0; i < 20; ++i) {
        std::string bytes(random() % 256, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random());
        }
        values.push_back(bytes);
    }
    for (const std::string& value : values) {
        Window window({2009, 3, 1});
        window.store.bytes = value;
        window.controls.Text1 = u"01 02";
        window.form.Form_Load();
        const std::u16string decoded = ReadChangeDate(window.store);
        EXPECT_EQ(window.controls.Text3, decoded.empty() ? kDesignChangeDate : decoded);
        EXPECT_EQ(window.controls.Text1, decoded.empty() ? WelcomeText() : u"01 02");
        window.form.Command2_Click(kNumberStatisticsIndex);
        EXPECT_TRUE(window.controls.Text2.starts_with(u"共")) << U8(window.controls.Text2);
    }
}

TEST(Command3, StoresTheDateAndTurnsTheTableYear) {
    Window window({2009, 3, 1});
    window.form.Form_Load();
    window.controls.Text3 = U16("2009年01月26日");
    window.form.Command3_Click();
    EXPECT_EQ(window.store.bytes, platform::Utf8ToGbk("2009年01月26日"));
    EXPECT_EQ(window.store.bytes->size(), 14u);
    EXPECT_EQ(U8(window.form.State().TableYear), "2009");

    window.controls.Text3 = U16("2010年02月14日");
    window.form.Command3_Click();
    EXPECT_EQ(U8(window.form.State().TableYear), "2009");  // not yet 14 February 2010
}

TEST(Command3, RefusedWriteWithNothingStoredKeepsTheTypedDateUntilExit) {
    Window window({2009, 3, 1});
    window.store.refuses_writes = true;
    window.form.Form_Load();
    window.controls.Text1 = u"05,06";
    window.controls.Text3 = U16("2009年01月26日");
    window.form.Command3_Click();
    EXPECT_EQ(window.controls.Text1, WelcomeText());
    EXPECT_EQ(U8(window.controls.Text3), "2009年01月26日");
    EXPECT_EQ(U8(window.form.State().TableYear), "2009");
}

TEST(Command3, RefusedWriteBringsBackTheOlderStoredDate) {
    Window window({2009, 3, 1});
    window.store.bytes = platform::Utf8ToGbk("2008年02月07日");
    window.store.refuses_writes = true;
    window.form.Form_Load();
    window.controls.Text3 = U16("2009年01月26日");
    window.form.Command3_Click();
    EXPECT_EQ(U8(window.controls.Text3), "2008年02月07日");
    EXPECT_EQ(U8(window.form.State().TableYear), "2008");
}

TEST(Command3, ReloadsTheCustomAttributesWithoutDuplicates) {
    Window window({2009, 3, 1});
    window.folder.Write("Define.txt",
                        platform::Utf8ToGbk("禽畜|牛马羊鸡狗猪\r\n野兽|鼠虎兔龙蛇猴\r\n"));
    window.form.Form_Load();
    window.controls.Combo1 = U16("禽畜|牛马羊鸡狗猪");
    window.form.Command3_Click();
    ASSERT_EQ(window.controls.Combo1List.size(), 2u);
    EXPECT_EQ(U8(window.controls.Combo1List[1]), "野兽|鼠虎兔龙蛇猴");
    EXPECT_EQ(U8(window.controls.Combo1), "自定义");
}

TEST(Command4, UsageNotesReplaceTheInput) {
    Window window({2009, 3, 1});
    window.controls.Text1 = u"01 02";
    window.controls.focus = TextControl::Text2;
    window.form.Command4_Click();
    EXPECT_EQ(window.controls.focus, TextControl::Text1);
    const std::string notes = U8(window.controls.Text1);
    EXPECT_TRUE(
        notes.starts_with("                     使  用  说  明                       \r\n\r\n"))
        << notes;
    EXPECT_TRUE(notes.ends_with("\r\n"));
    EXPECT_EQ(notes.find("01 02"), std::string::npos);
}

}  // namespace
}  // namespace chgu
