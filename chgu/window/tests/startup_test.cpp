// The start-up sequence, "更改" and "帮助" on Form1 in memory.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <random>

#include "chgu/window/window_texts.h"
#include "form1_window.h"

namespace chgu {
namespace {

using test::Form1Window;

std::string U8(std::u16string_view text) {
    return platform::Utf16ToUtf8(text);
}

// The welcome text as the first start shows it: eleven lines, the last
// without a line break after it.
const std::string kWelcome =
    "欢迎你使用本统计器！\r\n"
    "第一次使用前，请先设置今年更改肖行的开始日期，并按“更改”\r\n"
    "键即可，否则统计结果可能发生错误！\r\n"
    "\r\n"
    "你如果想使用“自定义属性”，请在当前文件夹新建一个名为\r\n"
    "“define.txt”的文件，并打开文件按下列格式录入要定义的属性，\r\n"
    "一行一个。最后保存文件。例如：\r\n"
    "禽畜|牛马羊鸡狗猪\r\n"
    "野兽|鼠虎兔龙蛇猴\r\n"
    "\r\n"
    "祝你使用愉快，好运常在！";

TEST(FormLoad, FirstStartShowsTheWelcomeTextAndUsesTheDesignDate) {
    Form1Window window({2008, 5, 1});
    window.Make();
    window.SetText("Text1", "01 02");
    window.Start();
    EXPECT_EQ(window.Text("Text1"), kWelcome);
    EXPECT_EQ(window.Text("Text3"), "2006年01月29日");
    EXPECT_EQ(window.TableYear(), "2006");
    EXPECT_EQ(window.Text("Combo1"), "自定义");
    EXPECT_TRUE(window.window->ListItems("Combo1").empty());
    EXPECT_TRUE(window.Messages().empty());
}

TEST(FormLoad, StoredDateReplacesTheDesignDateAndLeavesTheInput) {
    Form1Window window({2009, 3, 1});
    window.store.bytes = platform::Utf8ToGbk("2009年01月26日");
    window.Make();
    window.SetText("Text1", "01 02");
    window.Start();
    EXPECT_EQ(window.Text("Text1"), "01 02");
    EXPECT_EQ(window.Text("Text3"), "2009年01月26日");
    EXPECT_EQ(window.TableYear(), "2009");
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
        Form1Window window({2009, 3, 1});
        window.store.bytes = value;
        window.Make();
        window.SetText("Text1", "01 02");
        window.Start();
        const std::u16string decoded = ReadChangeDate(window.store);
        EXPECT_EQ(window.Text("Text3"), U8(decoded.empty() ? kDesignChangeDate : decoded));
        EXPECT_EQ(window.Text("Text1"), decoded.empty() ? kWelcome : "01 02");
        EXPECT_TRUE(window.Report("01 02").starts_with("共")) << window.Text("Text2");
    }
}

TEST(Command3, StoresTheDateAndTurnsTheTableYear) {
    Form1Window window({2009, 3, 1});
    window.Open();
    window.SetText("Text3", "2009年01月26日");
    window.Click("Command3");
    EXPECT_EQ(window.store.bytes, platform::Utf8ToGbk("2009年01月26日"));
    EXPECT_EQ(window.store.bytes->size(), 14u);
    EXPECT_EQ(window.TableYear(), "2009");

    window.SetText("Text3", "2010年02月14日");
    window.Click("Command3");
    EXPECT_EQ(window.TableYear(), "2009");  // not yet 14 February 2010
}

// The registry as Windows keeps it for an ordinary user: the user's key and
// the machine's key, each of which may refuse writes and may hold an older
// date. The program reads them through the store of two.
struct TwoKeys {
    TwoKeys() {
        auto user_store = std::make_unique<MemoryChangeDateStore>();
        auto machine_store = std::make_unique<MemoryChangeDateStore>();
        user = user_store.get();
        machine = machine_store.get();
        store = std::make_unique<UserFirstChangeDateStore>(std::move(user_store),
                                                           std::move(machine_store));
    }

    MemoryChangeDateStore* user;
    MemoryChangeDateStore* machine;
    std::unique_ptr<ChangeDateStore> store;
};

TEST(FormLoad, ReadsTheUsersKeyFirstAndTheMachinesWhenTheUsersHasNoValue) {
    const struct {
        std::optional<std::string> user, machine;
        std::string shown;
    } cases[] = {
        {"2009年01月26日", std::nullopt, "2009年01月26日"},
        {std::nullopt, "2008年02月07日", "2008年02月07日"},
        {"2009年01月26日", "2008年02月07日", "2009年01月26日"},
        // A user's value that does not fit reads as none.
        {std::string(256, '7'), "2008年02月07日", "2008年02月07日"},
        {std::nullopt, std::nullopt, "2006年01月29日"},
    };
    for (const auto& stored : cases) {
        TwoKeys keys;
        if (stored.user) {
            keys.user->bytes =
                stored.user->size() > 255 ? *stored.user : platform::Utf8ToGbk(*stored.user);
        }
        if (stored.machine) {
            keys.machine->bytes = platform::Utf8ToGbk(*stored.machine);
        }
        Form1Window window({2009, 3, 1});
        window.Open(keys.store.get());
        EXPECT_EQ(window.Text("Text3"), stored.shown);
    }
}

// Every combination of refused writes and older dates under either key: the
// typed date is saved exactly when the next start will read it; either way
// the user keeps the typed date and the input for the rest of the run, and
// only a failed save says so, once.
TEST(Command3, EveryCombinationOfRefusedWritesKeepsTheTypedDateAndTheInput) {
    const std::string older = platform::Utf8ToGbk("2008年02月07日");
    const std::string typed = "2009年01月26日";
    for (int combination = 0; combination < 16; ++combination) {
        const bool user_refuses = (combination & 1) != 0;
        const bool machine_refuses = (combination & 2) != 0;
        const bool user_holds_older = (combination & 4) != 0;
        const bool machine_holds_older = (combination & 8) != 0;
        SCOPED_TRACE(testing::Message()
                     << "user refuses " << user_refuses << ", machine refuses " << machine_refuses
                     << ", older under user " << user_holds_older << ", under machine "
                     << machine_holds_older);
        TwoKeys keys;
        keys.user->refuses_writes = user_refuses;
        keys.machine->refuses_writes = machine_refuses;
        if (user_holds_older) {
            keys.user->bytes = older;
        }
        if (machine_holds_older) {
            keys.machine->bytes = older;
        }
        Form1Window window({2009, 3, 1});
        window.Open(keys.store.get());
        window.SetText("Text1", "05,06");
        window.SetText("Text3", typed);
        window.Click("Command3");

        EXPECT_EQ(window.Text("Text3"), typed);
        EXPECT_EQ(window.Text("Text1"), "05,06");
        EXPECT_EQ(window.TableYear(), "2009");
        EXPECT_EQ(window.Text("Combo1"), "自定义");
        const bool saved = !user_refuses || (!machine_refuses && !user_holds_older);
        if (saved) {
            EXPECT_TRUE(window.Messages().empty());
        } else {
            EXPECT_EQ(window.Messages(), std::vector<std::string>{U8(kChangeDateNotSaved)});
        }
        // The table year holds until the program ends: a press does not
        // read the store again.
        window.Press("Command2", 0);
        EXPECT_EQ(window.TableYear(), "2009");

        // The next start shows the typed date exactly when it was saved.
        Form1Window next({2009, 3, 1});
        next.Open(keys.store.get());
        const bool older_stored = user_holds_older || machine_holds_older;
        EXPECT_EQ(next.Text("Text3"),
                  saved ? typed : (older_stored ? "2008年02月07日" : "2006年01月29日"));
    }
}

TEST(Command3, ReloadsTheCustomAttributesWithoutDuplicates) {
    Form1Window window({2009, 3, 1});
    window.folder.Write("Define.txt",
                        platform::Utf8ToGbk("禽畜|牛马羊鸡狗猪\r\n野兽|鼠虎兔龙蛇猴\r\n"));
    window.Open();
    window.window->Pick("Combo1", 0);
    window.Click("Command3");
    ASSERT_EQ(window.window->ListItems("Combo1").size(), 2u);
    EXPECT_EQ(U8(window.window->ListItems("Combo1")[1]), "野兽|鼠虎兔龙蛇猴");
    EXPECT_EQ(window.Text("Combo1"), "自定义");
}

TEST(Command4, UsageNotesReplaceTheInput) {
    Form1Window window({2009, 3, 1});
    window.Open();
    window.SetText("Text1", "01 02");
    window.window->Find("Text2").Focus();
    window.Click("Command4");
    EXPECT_EQ(window.window->Focused(), "Text1");
    EXPECT_EQ(window.Text("Text1"),
              "                     使  用  说  明                       \r\n"
              "\r\n"
              "本统计器帮你统计资料中各号码和各属性出现的次数。\r\n"
              "    本统计器继承了墨川统计器的优点，特别是资料\r\n"
              "中表示次数的数字不会被当作号码统计。\r\n"
              "    本统计器可分别统计肖、头、尾、行、合、波、\r\n"
              "码，以及大小、单双、合单双、半波。自定义属性请\r\n"
              "在Define文件中增加或修改。\r\n"
              "    用面板上的按钮录入时会自动换行，并且总是加在\r\n"
              "输入框的末尾，基本不用左右拖动滚动条。\r\n"
              "    码统计时，紧挨在“次”、“码”、“期”前面的数字不\r\n"
              "统计。“全转半”把全角数字转为半角，并修复从QQ复\r\n"
              "制资料时丢失的换行。\r\n"
              "    【】和〖〗内的内容（从左括号到右括号）不统计；\r\n"
              "另外增加了“次数累加统计”。这两项均可自行选择。\r\n"
              "    分段录入：在“段”按钮后面的框内输入开始号码和\r\n"
              "结束号码，再按“段”即可，中间用任何符号分隔或不\r\n"
              "分隔都可以。在号码页中分段录入也同样简单。\r\n"
              "    各种统计器对生肖、五行号码是在元旦、立春\r\n"
              "还是春节更换看法不一，请你自行输入今年的更换\r\n"
              "日期，再按“更改”键。\r\n"
              "    本统计器内置2005年至2010年的资料。\r\n"
              "\r\n"
              "    如有意见或建议，欢迎提出，我们会不断改进。\r\n"
              "    祝你好运！\r\n");
}

}  // namespace
}  // namespace chgu
