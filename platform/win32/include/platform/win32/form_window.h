// A top-level Win32 window built from a FormLayout: one builder for every
// window of the programs. It creates each control of the table, lays the
// 96-DPI layout out at the monitor's DPI in one font (again whenever the
// window moves to a monitor of another scale), draws the window's and the
// rows' colours and the button captions, forwards clicks and picks to the
// rows' handlers, and walks the controls with the keyboard.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/control_table.h"
#include "platform/controls.h"
#include "platform/controls_by_name.h"

namespace platform::win32 {

class ControlWindow;
class BrushCache;

class FormWindow32 final : public FormWindow {
  public:
    // Creates the window and its controls, hidden; nullptr when Windows
    // refuses. When the window is destroyed, `destroyed` runs; without it,
    // the message loop ends.
    static std::unique_ptr<FormWindow32> Create(HINSTANCE instance, FormLayout layout,
                                                std::function<void()> destroyed = nullptr);
    FormWindow32(const FormWindow32&) = delete;
    FormWindow32& operator=(const FormWindow32&) = delete;
    ~FormWindow32() override;

    HWND Handle() const { return window_; }
    // Shows the window and gives the keyboard focus to the named control.
    void Show(int show_command, std::string_view focused_control);
    // Shows a window that is open already in front of the others.
    void BringToFront();

    Control& Find(std::string_view name) override;
    int ClientWidth() const override;
    void SetClientWidth(int width) override;
    void ShowMessage(std::u16string_view text, MessageIcon icon) override;
    bool PutOnClipboard(std::u16string_view text) override;

    // The window of ours that a window of the thread belongs to (itself or a
    // control in it), or nullptr.
    static FormWindow32* Of(HWND window);
    // The keyboard's walk through the controls: Tab and Shift+Tab in the
    // table's tab order, the arrow keys within an option group and on an
    // up-down control, Enter on a button, Ctrl+Tab a tab character in a
    // multi-line box. True when the key was taken.
    bool HandleKey(const MSG& message);

  private:
    FormWindow32(HINSTANCE instance, FormLayout layout, std::function<void()> destroyed);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
    bool CreateControls();
    void LayOut();
    void SetClientSize(int width, int height);
    LRESULT ControlColour(UINT message, WPARAM wparam, LPARAM lparam);
    ControlWindow* ByHandle(HWND control) const;
    ControlWindow* ById(int id) const;
    void Picked(ControlWindow& list);
    // Keyboard walk (keyboard.cpp).
    std::ptrdiff_t RowHolding(HWND focus) const;
    void MoveFocus(bool backwards, std::ptrdiff_t from_row);
    HWND EntryOf(std::size_t row) const;
    bool Reachable(HWND control) const;
    void StepInGroup(std::size_t row, int step);

    HINSTANCE instance_;
    FormLayout layout_;
    std::function<void()> destroyed_;
    std::vector<std::size_t> tab_order_;  // rows of layout_ and controls_
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    int client_width_;  // at 96 DPI
    HWND focus_before_deactivation_ = nullptr;
    std::vector<std::unique_ptr<ControlWindow>> controls_;
    ControlsByName<ControlWindow> by_name_;
    std::unique_ptr<BrushCache> brushes_;
};

// Runs the thread's message loop, with the keyboard walk in every window of
// ours, until a window that ends the program closes.
int RunMessageLoop();

}  // namespace platform::win32
