// The builder through a change of the monitor's scale, on a window of every
// kind of control: each control keeps a live font of the new size, and the
// window and its controls take the new scale.
#include <windows.h>

#include <gtest/gtest.h>

#include "dpi_check.h"
#include "platform/win32/dpi.h"
#include "platform/win32/form_window.h"

namespace {

using platform::ControlKind;
using platform::Row;

platform::FormLayout EveryKind() {
    platform::FormLayout form;
    form.caption = u"scale";
    form.client_width = 300;
    form.client_height = 200;
    form.font = {u"宋体", 12, platform::kGb2312Charset};
    form.controls = {
        Row("Frame", ControlKind::kFrame, u"框", {150, 0, 140, 60}, 10),
        Row("Option1", ControlKind::kOption, u"一", {4, 8, 60, 13}, 11).Within("Frame").Selected(),
        Row("Option2", ControlKind::kOption, u"二", {4, 24, 60, 13}, 12).Within("Frame"),
        Row("Button", ControlKind::kButton, u"按钮", {4, 4, 45, 25}, 13),
        Row("Label", ControlKind::kLabel, u"标签", {54, 10, 0, 0}, 14),
        Row("Box", ControlKind::kTextBox, u"01", {4, 40, 60, 20}, 15).MaxLength(2),
        Row("ReadOnly", ControlKind::kReadOnlyBox, u"", {70, 40, 60, 20}, 16),
        Row("Memo", ControlKind::kMultiLineBox, u"", {4, 70, 200, 100}, 17),
        Row("Check", ControlKind::kCheckBox, u"", {210, 70, 13, 12}, 18),
        Row("List", ControlKind::kDropDown, u"", {210, 90, 87, 20}, 19),
        Row("UpDown", ControlKind::kUpDown, u"", {210, 120, 23, 27}, 20).Range(1, 9, 5),
        Row("Wrapped", ControlKind::kButton, u"全转半", {240, 120, 29, 43}, 21).WrapsCaption(),
    };
    return form;
}

TEST(DpiChange, EveryKindOfControlKeepsALiveFontOfTheScaledSize) {
    const platform::FormLayout layout = EveryKind();
    const auto window =
        platform::win32::FormWindow32::Create(GetModuleHandleW(nullptr), layout, [] {});
    ASSERT_NE(window, nullptr);
    // The screen of the tests is at 96 DPI.
    ASSERT_EQ(platform::win32::DpiOf(window->Handle()), 96u);
    for (const e2e::ScaledFont& scaled : e2e::kScaledFonts) {
        e2e::AnnounceDpi(window->Handle(), scaled.dpi);
        for (const auto& [name, height] : e2e::FontHeights(layout, window->Handle())) {
            EXPECT_EQ(height, scaled.height) << name << " at " << scaled.dpi;
        }
    }
    // At 150 %, the largest that fits the tests' 1024 x 768 screen, the
    // client area and every control grow by half; the window still reports
    // its width at 96 DPI. A drop-down list's box keeps its list below it.
    e2e::AnnounceDpi(window->Handle(), 144);
    RECT client;
    GetClientRect(window->Handle(), &client);
    EXPECT_EQ(client.right, 450);
    EXPECT_EQ(window->ClientWidth(), 300);
    RECT option;
    GetWindowRect(GetDlgItem(window->Handle(), 12), &option);
    MapWindowPoints(HWND_DESKTOP, window->Handle(), reinterpret_cast<POINT*>(&option), 2);
    EXPECT_EQ(option.left, 231);  // (150 + 4) * 1.5 within the frame
    EXPECT_EQ(option.top, 36);
    RECT list;
    GetWindowRect(GetDlgItem(window->Handle(), 19), &list);
    MapWindowPoints(HWND_DESKTOP, window->Handle(), reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(list.left, 315);
    EXPECT_EQ(list.right - list.left, 131);  // 87 * 1.5, rounded half up
}

}  // namespace
