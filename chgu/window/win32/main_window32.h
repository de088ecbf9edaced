// The main window's controls as its handlers see them, over the Win32
// window built from its control table.
#pragma once

#include <windows.h>

#include <functional>

#include "chgu/window/main_window.h"
#include "platform/win32/form_window.h"

namespace chgu::win32 {

class MainWindow32 final : public MainWindow {
  public:
    MainWindow32(platform::win32::FormWindow32& form, std::function<void()> show_number_page);

    std::u16string Text(TextControl control) const override;
    void SetText(TextControl control, std::u16string_view text) override;
    void Append(TextControl control, std::u16string_view text) override;
    void SetFocus(TextControl control) override;
    bool Checked(CheckControl control) const override;
    void ClearComboList() override;
    void AddComboItem(std::u16string_view item) override;
    void ShowMessage(std::u16string_view text) override;
    std::u16string Text5() const override;
    void FocusText5() override;
    void PutOnClipboard(std::u16string_view text) override;
    void ShowNumberPage() override { show_number_page_(); }

  private:
    platform::Control& Box(TextControl control) const;

    platform::win32::FormWindow32& form_;
    std::function<void()> show_number_page_;
};

}  // namespace chgu::win32
