// Control tables: the Tab key's reading order, and the in-memory window's
// options, check boxes and drop-down lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/control_table.h"
#include "platform/memory_form.h"
#include "reading_order.h"

namespace platform {
namespace {

using enum ControlKind;

std::vector<std::string> TabNames(const FormLayout& form) {
    std::vector<std::string> names;
    for (const std::size_t row : TabOrder(form)) {
        names.push_back(form.controls[row].name);
    }
    return names;
}

FormLayout Strip() {
    FormLayout form;
    form.controls = {
        // A strip two rows high: controls stacked in it read top first.
        Row("Frame", kFrame, u"", {4, -4, 300, 40}, 1),
        Row("Date", kTextBox, u"", {60, 12, 90, 18}, 2),
        Row("Change", kButton, u"改", {150, 8, 37, 25}, 3),
        Row("Short", kOption, u"", {196, 4, 17, 17}, 4),
        Row("Long", kOption, u"", {196, 20, 17, 17}, 5).Selected(),
        Row("Caption", kLabel, u"短长", {212, 8, 52, 25}, 6),
        Row("Lower", kCheckBox, u"", {268, 20, 13, 12}, 7),
        Row("Upper", kCheckBox, u"", {268, 4, 13, 12}, 8),
        Row("Shown", kReadOnlyBox, u"", {290, 4, 40, 18}, 9),
        // A tall box beside a column of buttons: its line is that of the
        // button level with its top.
        Row("Input", kMultiLineBox, u"", {4, 40, 300, 180}, 10),
        Row("Second", kButton, u"2", {310, 66, 30, 25}, 11),
        Row("First", kButton, u"1", {310, 38, 30, 25}, 12),
        Row("Beside", kButton, u"b", {345, 38, 30, 25}, 13),
        Row("List", kDropDown, u"", {345, 70, 80, 20}, 14),
        Row("Arrows", kUpDown, u"", {430, 62, 20, 25}, 15),
        Row("Panel", kPanel, u"", {300, 200, 100, 100}, 16),
    };
    return form;
}

TEST(TabOrder, ReadsLinesTopToBottomAndEachLineLeftToRight) {
    EXPECT_EQ(TabNames(Strip()),
              (std::vector<std::string>{"Date", "Change", "Short", "Upper", "Lower", "Input",
                                        "First", "Beside", "Second", "List", "Arrows"}));
}

// The check that every window's tests hold their Tab walk to: the walk
// passes it, and a stop walked back, left out or walked twice fails it.
TEST(TabOrder, TheWalkPassesTheReadingOrderCheckAndAWrongWalkFails) {
    const FormLayout form = Strip();
    std::vector<std::size_t> walk = TabOrder(form);
    EXPECT_TRUE(test::WalksInReadingOrder(form, walk));
    std::vector<std::size_t> back = walk;
    std::swap(back[2], back[3]);  // a check box before the options on its left
    EXPECT_FALSE(test::WalksInReadingOrder(form, back));
    std::vector<std::size_t> up = walk;
    std::swap(up[7], up[8]);  // up from the column's second button to the one beside
    EXPECT_FALSE(test::WalksInReadingOrder(form, up));
    std::vector<std::size_t> missing(walk.begin(), walk.end() - 1);
    EXPECT_FALSE(test::WalksInReadingOrder(form, missing));
    std::vector<std::size_t> twice = walk;
    twice.push_back(walk.back());
    EXPECT_FALSE(test::WalksInReadingOrder(form, twice));
}

TEST(TabOrder, AnOptionGroupIsOneStopWhereverItsOptionsStand) {
    FormLayout form;
    form.controls = {
        Row("Box", kFrame, u"", {100, 0, 90, 40}, 1),
        Row("A", kOption, u"", {4, 30, 80, 13}, 2).Within("Box"),
        Row("B", kOption, u"", {4, 8, 80, 13}, 3).Within("Box"),
        Row("Left", kButton, u"", {10, 10, 30, 25}, 4),
        Row("Right", kButton, u"", {200, 10, 30, 25}, 5),
        // A second group right after a button: a group of its own.
        Row("C", kOption, u"", {10, 60, 60, 17}, 6),
        Row("D", kOption, u"", {80, 60, 60, 17}, 7),
    };
    EXPECT_EQ(TabNames(form), (std::vector<std::string>{"Left", "A", "Right", "C"}));
    EXPECT_EQ(OptionGroup(form, 2), (std::pair<std::size_t, std::size_t>{1, 3}));
    EXPECT_EQ(OptionGroup(form, 6), (std::pair<std::size_t, std::size_t>{5, 7}));
}

// A line takes the rows whose tops lie less than kLineSpan below its first.
TEST(TabOrder, RowsJustBelowTheLineSpanStartANewLine) {
    FormLayout form;
    form.controls = {
        Row("Far", kButton, u"", {10, kLineSpan, 30, 25}, 1),
        Row("Near", kButton, u"", {50, kLineSpan - 1, 30, 25}, 2),
        Row("Top", kButton, u"", {90, 0, 30, 25}, 3),
    };
    EXPECT_EQ(TabNames(form), (std::vector<std::string>{"Near", "Top", "Far"}));
}

TEST(MemoryForm, CheckBoxesTickAndDropDownListsPick) {
    FormLayout layout = Strip();
    std::vector<std::u16string> picked;
    int clicks = 0;
    layout.controls[6].OnClick([&](Control& sender) { clicks += sender.Checked() ? 1 : 10; });
    layout.controls[7].Selected();
    layout.controls[13].OnPick([&](std::u16string_view item) { picked.emplace_back(item); });
    MemoryForm form(std::move(layout));
    EXPECT_FALSE(form.Find("Lower").Checked());
    EXPECT_TRUE(form.Find("Upper").Checked());
    form.Click("Lower");
    form.Click("Lower");
    EXPECT_EQ(clicks, 11);
    EXPECT_FALSE(form.Find("Lower").Checked());

    Control& list = form.Find("List");
    list.AddListItem(u"禽畜|牛马");
    list.AddListItem(u"野兽|鼠虎");
    form.Pick("List", 1);
    EXPECT_EQ(picked, std::vector<std::u16string>{u"野兽|鼠虎"});
    EXPECT_EQ(list.Text(), u"野兽|鼠虎");
    list.ClearList();
    EXPECT_TRUE(form.ListItems("List").empty());
    EXPECT_EQ(list.Text(), u"");
}

// Selecting an option from a handler clears the others of its group and
// runs no handler; it means nothing to other kinds of control.
TEST(MemoryForm, ASelectedOptionClearsItsGroupWithoutItsHandler) {
    FormLayout layout = Strip();
    int clicks = 0;
    layout.controls[3].OnClick([&](Control&) { ++clicks; });
    MemoryForm form(std::move(layout));
    form.Find("Short").Select();
    EXPECT_TRUE(form.Find("Short").Checked());
    EXPECT_FALSE(form.Find("Long").Checked());
    EXPECT_EQ(clicks, 0);
    form.Find("Upper").Select();
    EXPECT_FALSE(form.Find("Upper").Checked());
}

}  // namespace
}  // namespace platform
