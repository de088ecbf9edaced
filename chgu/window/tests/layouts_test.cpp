// The control tables of program B's windows: the Tab key's walk, and the
// rows the shared builder needs beyond buttons and boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chgu/window/colours.h"
#include "chgu/window/form1.h"
#include "chgu/window/form2.h"
#include "reading_order.h"

namespace chgu {
namespace {

platform::FormLayout Form1Layout() {
    MemoryChangeDateStore store;
    return Form1(store, {}).Layout();
}

platform::FormLayout Form2Layout() {
    Form2State state;
    return Form2(state, [] { return nullptr; }).Layout();
}

// Tab walks each window in reading order, every control a user acts on once:
// the strip, then each line left to right, 繁体字也统计 last; on the number
// page the mode, the numbers and the range buttons.
TEST(Layouts, TabWalksEveryControlInReadingOrder) {
    for (const platform::FormLayout& form : {Form1Layout(), Form2Layout()}) {
        EXPECT_TRUE(platform::test::WalksInReadingOrder(form, platform::TabOrder(form)));
    }
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
