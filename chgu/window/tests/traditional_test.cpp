// "繁体字也统计" (Check3) on Form1: every statistics button and 全转半 read
// Text1 with the traditional forms simplified while it is ticked, and as
// written while it is not; the tick is kept between runs, and a store that
// refuses it is told once while the tick still holds for the run.
#include <gtest/gtest.h>

#include "form1_window.h"
#include "platform/traditional.h"

namespace chgu::test {
namespace {

constexpr std::string_view kTraditional = "龍,馬,雞,鷄,豬,3頭,紅,綠,藍,單,雙,05號,12碼,合數單,紅雙";
constexpr std::string_view kSimplified = "龙,马,鸡,鸡,猪,3头,红,绿,蓝,单,双,05号,12码,合数单,红双";

TEST(Form1Traditional, EveryPressReadsTheSimplifiedTextWhileTicked) {
    Form1Window window;
    window.Open();
    for (int index = 0; index <= 11; ++index) {
        const std::string as_written = window.Report(kTraditional, index);
        const std::string simplified = window.Report(kSimplified, index);
        window.Click("Check3");
        EXPECT_EQ(window.Report(kTraditional, index), simplified) << index;
        window.Click("Check3");
        EXPECT_EQ(window.Report(kTraditional, index), as_written) << index;
    }
    EXPECT_EQ(window.Text("Text1"), kTraditional);
}

TEST(Form1Traditional, TheTickIsKeptForTheNextRun) {
    MemoryChangeDateStore kept;
    {
        Form1Window first;
        first.traditional_store = &kept;
        first.Open();
        EXPECT_FALSE(first.window->Find("Check3").Checked());
        first.Click("Check3");
    }
    EXPECT_EQ(kept.bytes, "1");
    Form1Window second;
    second.traditional_store = &kept;
    second.Open();
    EXPECT_TRUE(second.window->Find("Check3").Checked());
    second.Click("Check3");
    EXPECT_EQ(kept.bytes, "0");
    EXPECT_TRUE(second.Messages().empty());
    // The change date is a value of its own.
    EXPECT_FALSE(second.store.bytes.has_value());
}

TEST(Form1Traditional, ARefusingStoreIsToldOnceAndTheTickHolds) {
    MemoryChangeDateStore refusing;
    refusing.refuses_writes = true;
    Form1Window window;
    window.traditional_store = &refusing;
    window.Open();
    for (int click = 0; click < 3; ++click) {
        window.Click("Check3");
    }
    EXPECT_EQ(window.Messages(),
              std::vector<std::string>{platform::Utf16ToUtf8(platform::kTraditionalNotKept)});
    EXPECT_TRUE(window.window->Find("Check3").Checked());
    EXPECT_EQ(window.Report("龍", 1), window.Report("龙", 1));
}

}  // namespace
}  // namespace chgu::test
