// "繁体字也统计" on TForm1: every statistics button reads the text with the
// traditional forms simplified while it is ticked, and as written while it
// is not; the tick is kept between runs, and a store that refuses it is told
// once while the tick still holds for the run.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "kova/window/form1.h"
#include "platform/memory_form.h"
#include "platform/traditional.h"

namespace kova {
namespace {

// A stored value in memory, which may refuse every write.
struct MemoryValue final : platform::StoredValue {
    std::optional<std::string> Read() const override { return bytes; }
    void Write(std::uint32_t, std::string_view written) override {
        if (!refuses) {
            bytes = std::string(written);
        }
    }
    std::optional<std::string> bytes;
    bool refuses = false;
};

// TForm1 opened in the in-memory window as kova.exe opens it.
struct OpenForm {
    explicit OpenForm(platform::StoredValue* store) {
        if (store != nullptr) {
            form.KeepTraditionalIn(*store);
        }
        window.emplace(form.Layout());
        form.Attach(*window);
        form.FormCreate(2008);
    }
    std::u16string Report(std::u16string_view text, const char* button) {
        window->Find("Memo1").SetText(text);
        window->Click(button);
        return window->Find("Memo2").Text();
    }
    TForm1 form;
    std::optional<platform::MemoryForm> window;
};

constexpr std::u16string_view kTraditional = u"龍,馬,雞,鷄,豬,3頭,紅,綠,藍,單,雙,號：05,碼12,合單";
constexpr std::u16string_view kSimplified = u"龙,马,鸡,鸡,猪,3头,红,绿,蓝,单,双,号：05,码12,合单";

TEST(Form1Traditional, EveryStatisticsButtonReadsTheSimplifiedTextWhileTicked) {
    OpenForm form(nullptr);
    for (const char* button : {"Button60", "Button7", "Button63", "Button64", "Button65", "Button8",
                               "BitBtn56", "BitBtn57", "BitBtn58", "BitBtn59", "BitBtn60"}) {
        const std::u16string as_written = form.Report(kTraditional, button);
        const std::u16string simplified = form.Report(kSimplified, button);
        form.window->Click("CheckBox1");
        EXPECT_EQ(form.Report(kTraditional, button), simplified) << button;
        form.window->Click("CheckBox1");
        EXPECT_EQ(form.Report(kTraditional, button), as_written) << button;
    }
    // The input box keeps the text as typed.
    EXPECT_EQ(form.window->Find("Memo1").Text(), kTraditional);
}

TEST(Form1Traditional, TheTickIsKeptForTheNextRun) {
    MemoryValue store;
    {
        OpenForm first(&store);
        EXPECT_FALSE(first.window->Find("CheckBox1").Checked());
        first.window->Click("CheckBox1");
    }
    EXPECT_EQ(store.bytes, "1");
    OpenForm second(&store);
    EXPECT_TRUE(second.window->Find("CheckBox1").Checked());
    second.window->Click("CheckBox1");
    EXPECT_EQ(store.bytes, "0");
    EXPECT_TRUE(second.window->Messages().empty());
}

TEST(Form1Traditional, ARefusingStoreIsToldOnceAndTheTickHolds) {
    MemoryValue store;
    store.refuses = true;
    OpenForm form(&store);
    for (int click = 0; click < 3; ++click) {
        form.window->Click("CheckBox1");
    }
    ASSERT_EQ(form.window->Messages().size(), 1u);
    EXPECT_EQ(form.window->Messages()[0].text, platform::kTraditionalNotKept);
    EXPECT_TRUE(form.window->Find("CheckBox1").Checked());
    EXPECT_EQ(form.Report(u"龍", "Button7"), form.Report(u"龙", "Button7"));
}

// The check box stands in space the layout left free: it overlaps no other
// control, in the narrow window and in the wide one.
TEST(Form1Traditional, TheCheckBoxOverlapsNoControl) {
    TForm1 form;
    const platform::FormLayout layout = form.Layout();
    platform::Bounds box;
    for (const auto& row : layout.controls) {
        if (row.name == "CheckBox1") {
            box = platform::ClientBounds(layout, row);
        }
    }
    EXPECT_LE(box.left + box.width, kNarrowClientWidth);
    EXPECT_LE(box.top + box.height, layout.client_height);
    for (const auto& row : layout.controls) {
        const platform::Bounds other = platform::ClientBounds(layout, row);
        if (row.name == "CheckBox1" || other.width == 0) {
            continue;  // the labels that take their text's size lie elsewhere
        }
        const bool apart = other.left >= box.left + box.width ||
                           box.left >= other.left + other.width ||
                           other.top >= box.top + box.height || box.top >= other.top + other.height;
        EXPECT_TRUE(apart) << row.name;
    }
}

}  // namespace
}  // namespace kova
