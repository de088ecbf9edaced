// A top-level Win32 window built from a FormLayout: one builder for every
// window of the programs. It creates each control of the table, lays the
// 96-DPI layout out at the monitor's DPI (again whenever the window moves to
// a monitor of another scale), draws the rows' colours, and forwards clicks
// to the rows' handlers.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/control_table.h"
#include "platform/controls.h"

namespace platform::win32 {

class ControlWindow;
class BrushCache;

class FormWindow32 final : public FormWindow {
  public:
    // Creates the window and its controls, hidden; nullptr when Windows
    // refuses. Closing a window that ends the program ends the message loop.
    static std::unique_ptr<FormWindow32> Create(HINSTANCE instance, FormLayout layout,
                                                bool ends_program = true);
    FormWindow32(const FormWindow32&) = delete;
    FormWindow32& operator=(const FormWindow32&) = delete;
    ~FormWindow32() override;

    HWND Handle() const { return window_; }
    // Shows the window and gives the keyboard focus to the named control.
    void Show(int show_command, std::string_view focused_control);

    Control& Find(std::string_view name) override;
    int ClientWidth() const override;
    void SetClientWidth(int width) override;
    void ShowMessage(std::u16string_view text, MessageIcon icon) override;

  private:
    FormWindow32(HINSTANCE instance, FormLayout layout, bool ends_program);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
    bool CreateControls();
    void LayOut();
    void SetClientSize(int width, int height);
    LRESULT ControlColour(UINT message, WPARAM wparam, LPARAM lparam);
    ControlWindow* ByHandle(HWND control) const;
    ControlWindow* ById(int id) const;

    HINSTANCE instance_;
    FormLayout layout_;
    bool ends_program_;
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    int client_width_;  // at 96 DPI
    HWND focus_before_deactivation_ = nullptr;
    std::vector<std::unique_ptr<ControlWindow>> controls_;
    std::unique_ptr<BrushCache> brushes_;
};

// Runs the thread's message loop, with keyboard navigation between the
// controls of `window`, until a window that ends the program closes.
int RunMessageLoop(HWND window);

}  // namespace platform::win32
