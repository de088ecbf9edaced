// TForm1's window built by the shared builder in this process, through a
// change of the monitor's scale: every control keeps a live font of the
// scaled size.
#include <windows.h>

#include <gtest/gtest.h>

#include "dpi_check.h"
#include "kova/window/form1.h"
#include "platform/win32/form_window.h"

namespace kova {
namespace {

TEST(Form1Dpi, EveryControlKeepsALiveFontOfTheScaledSize) {
    TForm1 form;
    const platform::FormLayout layout = form.Layout();
    const auto window =
        platform::win32::FormWindow32::Create(GetModuleHandleW(nullptr), layout, [] {});
    ASSERT_NE(window, nullptr);
    for (const e2e::ScaledFont& scaled : e2e::kScaledFonts) {
        e2e::AnnounceDpi(window->Handle(), scaled.dpi);
        for (const auto& [name, height] : e2e::FontHeights(layout, window->Handle())) {
            EXPECT_EQ(height, scaled.height) << name << " at " << scaled.dpi;
        }
    }
}

}  // namespace
}  // namespace kova
