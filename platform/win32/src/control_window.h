// Creating the Win32 control for a row of a control table, and the
// handlers' view of it.
#pragma once

#include <windows.h>

#include "platform/control_table.h"
#include "platform/controls.h"

namespace platform::win32 {

// Creates the control hidden from nothing but its kind and caption; the
// window places, sizes and shows it at its DPI. Every control starts a group
// for keyboard navigation except an option that follows another:
// consecutive options are one group, in which selecting one clears the rest.
HWND CreateControlWindow(HWND parent, HINSTANCE instance, const ControlLayout& layout,
                         bool starts_group);

// Kinds whose caption is drawn by the window (in the row's text colour).
bool IsOwnerDrawn(const ControlLayout& layout);

class ControlWindow : public Control {
  public:
    ControlWindow(const ControlLayout& layout, HWND window) : layout_(layout), window_(window) {}

    const ControlLayout& Layout() const { return layout_; }
    HWND Handle() const { return window_; }

    std::u16string Text() const override;
    void SetText(std::u16string_view text) override;
    void ReplaceText(std::size_t start, std::size_t length, std::u16string_view text) override;
    void Focus() override;
    bool Checked() const override;
    void Select() override;
    int Position() const override;
    void SetPosition(int position) override;
    void ClearList() override;
    void AddListItem(std::u16string_view item) override;

    // The text of a drop-down list's item; "" for no item.
    std::u16string ListItem(int index) const;

  private:
    bool IsEdit() const;

    const ControlLayout& layout_;
    HWND window_;
};

}  // namespace platform::win32
