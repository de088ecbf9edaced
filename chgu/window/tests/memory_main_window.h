// The main window held in memory for the handler tests: the engine's
// in-memory controls plus the range box, the clipboard and the number page.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chgu/window/main_window.h"

namespace chgu::test {

class MemoryMainWindow final : public MainWindow {
  public:
    std::u16string Text(TextControl control) const override { return controls.Text(control); }
    void SetText(TextControl control, std::u16string_view text) override {
        controls.SetText(control, text);
    }
    // The real window types appended text in at the end; every input helper
    // goes this way.
    void Append(TextControl control, std::u16string_view text) override {
        appended.emplace_back(text);
        MainWindow::Append(control, text);
    }
    void SetFocus(TextControl control) override {
        controls.SetFocus(control);
        focus = control == TextControl::Text1 ? "Text1" : "other";
    }
    bool Checked(CheckControl control) const override { return controls.Checked(control); }
    void ClearComboList() override { controls.ClearComboList(); }
    void AddComboItem(std::u16string_view item) override { controls.AddComboItem(item); }
    void ShowMessage(std::u16string_view text) override { controls.ShowMessage(text); }

    std::u16string Text5() const override { return text5; }
    void FocusText5() override { focus = "Text5"; }
    void PutOnClipboard(std::u16string_view text) override { clipboard = std::u16string(text); }
    void ShowNumberPage() override { ++number_page_shown; }

    MemoryForm1Controls controls;
    std::u16string text5;
    std::string focus;
    std::optional<std::u16string> clipboard;
    std::vector<std::u16string> appended;
    int number_page_shown = 0;
};

}  // namespace chgu::test
