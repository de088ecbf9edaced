// The control tables of program B's windows: the Tab key's walk, and the
// rows the shared builder needs beyond buttons and boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chgu/window/colours.h"
#include "chgu/window/form1.h"
#include "chgu/window/form2.h"

namespace chgu {
namespace {

std::vector<std::string> TabNames(const platform::FormLayout& form) {
    std::vector<std::string> names;
    for (const std::size_t row : platform::TabOrder(form)) {
        names.push_back(form.controls[row].name);
    }
    return names;
}

// Appends "Array(i)" for each index.
void Add(std::vector<std::string>& names, const char* array, std::initializer_list<int> indexes) {
    for (const int index : indexes) {
        names.push_back(std::string(array) + "(" + std::to_string(index) + ")");
    }
}

platform::FormLayout Form1Layout() {
    MemoryChangeDateStore store;
    return Form1(store, {}).Layout();
}

platform::FormLayout Form2Layout() {
    Form2State state;
    return Form2(state, [] { return nullptr; }).Layout();
}

TEST(Form1Layout, TabWalksTheStripThenEachLineLeftToRight) {
    std::vector<std::string> expected = {"Text3",  "Command3", "Option1",
                                         "Check1", "Check2",   "Command4"};
    Add(expected, "Command1", {69, 68});
    expected.push_back("Text5");
    expected.push_back("Text1");
    Add(expected, "Command1",
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    expected.push_back("Combo1");
    Add(expected, "Command1", {20, 21, 22, 23, 24, 35, 36, 37, 38});
    Add(expected, "Command2", {0});
    Add(expected, "Command1", {70});
    Add(expected, "Command2", {1, 2, 3, 4, 5, 11, 12});
    Add(expected, "Command1", {39, 40, 41, 42, 43});
    Add(expected, "Command2", {6, 7, 8, 9, 10});
    Add(expected, "Command1", {44, 45, 46, 47});
    expected.push_back("Text2");
    Add(expected, "Command1", {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 48, 49, 50, 51, 52,
                               53, 54, 55, 58, 59, 60, 61, 62, 64, 66, 56, 63, 65, 67, 57});
    expected.push_back("Check3");
    EXPECT_EQ(TabNames(Form1Layout()), expected);
}

TEST(Form2Layout, TabWalksTheModeThenTheNumbersAndTheRangeButtons) {
    std::vector<std::string> expected = {"Option1"};
    for (int n = 1; n <= 49; ++n) {
        Add(expected, "Command1", {n});
    }
    expected.push_back("Command2");
    Add(expected, "Command3", {0, 1, 2});
    Add(expected, "Command4", {0, 1, 2});
    EXPECT_EQ(TabNames(Form2Layout()), expected);
}

const platform::ControlLayout& RowNamed(const platform::FormLayout& form, std::string_view name) {
    for (const platform::ControlLayout& row : form.controls) {
        if (row.name == name) {
            return row;
        }
    }
    ADD_FAILURE() << "no row " << name;
    return form.controls.front();
}

// The check boxes start ticked and clear as the design has them, on the
// window's colour; the two captions too wide for their buttons wrap.
TEST(Form1Layout, CheckBoxesDropDownListAndWrappedCaptions) {
    const platform::FormLayout form = Form1Layout();
    EXPECT_EQ(form.background, kTeal);
    EXPECT_EQ(RowNamed(form, "Check1").kind, platform::ControlKind::kCheckBox);
    EXPECT_TRUE(RowNamed(form, "Check1").checked);
    EXPECT_FALSE(RowNamed(form, "Check2").checked);
    EXPECT_EQ(RowNamed(form, "Check2").background, kTeal);
    EXPECT_EQ(RowNamed(form, "Combo1").kind, platform::ControlKind::kDropDown);
    // 繁体字也统计 in the line the window grew by, below every other control.
    const platform::ControlLayout& check3 = RowNamed(form, "Check3");
    EXPECT_FALSE(check3.checked);
    EXPECT_EQ(check3.background, kTeal);
    EXPECT_LE(check3.bounds.top + check3.bounds.height, form.client_height);
    for (const platform::ControlLayout& row : form.controls) {
        if (&row != &check3) {
            EXPECT_LE(platform::ClientBounds(form, row).top + row.bounds.height, check3.bounds.top)
                << row.name;
        }
    }
    std::vector<std::u16string> wrapped;
    for (const platform::ControlLayout& row : form.controls) {
        if (row.wraps_caption) {
            wrapped.push_back(row.caption);
        }
    }
    EXPECT_EQ(wrapped, (std::vector<std::u16string>{u"帮助", u"全转半"}));
    EXPECT_EQ(Form2Layout().background, kCyan);
}

}  // namespace
}  // namespace chgu
