// Drives a running program's window from another process, as a user would:
// by window messages to its controls, found by their identifiers.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

// Waits until the condition holds; false when it still fails at the end.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// A program started for one test and closed when the test ends.
class RunningProgram {
  public:
    // Starts the program (a file name beside the running program, or a full
    // path) and waits for its visible top-level window of the given class.
    RunningProgram(const std::wstring& exe_name, const std::wstring& window_class);
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram();

    HWND Window() const { return window_; }
    HWND Control(int id) const;

    // The program's visible dialog of class #32770 (a message box), once it
    // has appeared; nullptr if none does within the timeout.
    HWND WaitForMessageBox(std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    // Waits until every posted message so far has been handled: posts a
    // sentinel (a selection change in the given read-only box) behind them
    // and waits until the program has taken it; false if it has not within
    // the timeout.
    [[nodiscard]] bool Settle(int sentinel_box_id);
    // Closes the window as its close box does; true when the program has
    // ended within a few seconds. A program still running then is ended
    // when this object goes.
    [[nodiscard]] bool Close();

  private:
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
    int sentinel_ = 0;
    bool ended_ = false;
};

// Waits until the window and all its controls have painted; false if they
// have not within the timeout.
[[nodiscard]] bool WaitUntilPainted(HWND window);

// Real keyboard input: the key pressed and released with the modifiers
// held, sent to the window that has the keyboard focus.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// Makes the window the foreground window, so that key input reaches it;
// false if it has not become so within the timeout.
[[nodiscard]] bool BringToFront(HWND window);
// The control that has the keyboard focus in the window's thread.
HWND FocusedControl(HWND window);
// Presses Tab (Shift+Tab when backwards) `presses` times and returns the
// control focused after each press; stops early when a press moves the
// focus nowhere within the timeout.
std::vector<HWND> TabWalk(HWND window, std::size_t presses, bool backwards = false);

std::u16string Text(HWND control);
// WM_SETTEXT; false if the program has not answered within the timeout.
bool SetText(HWND control, std::u16string_view text,
             std::chrono::milliseconds timeout = std::chrono::seconds(20));
// A click as BM_CLICK does it; returns when the handler has run, false if
// it has not within 20 seconds.
bool Click(HWND button);
// A click whose handler opens a modal box: posted, so the test goes on.
void PostClick(HWND button);
bool Checked(HWND button);
// Presses and releases the upper or lower arrow of an up-down control.
void ClickArrow(HWND up_down, bool upper);
// Types the characters one by one as keyboard input to the control.
void Type(HWND control, std::u16string_view text);
// Client rectangle of a window and a control's rectangle in its parent's
// client coordinates.
RECT ClientRect(HWND window);
RECT RectInParent(HWND control);
// The text of a message box and closing it with its OK button.
std::u16string MessageBoxText(HWND message_box);
void CloseMessageBox(HWND message_box);

// A screenshot of the window as it shows on the screen.
struct Screenshot {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;  // rows top to bottom, 3 bytes a pixel
    // Offset of the client area's top-left corner within the picture.
    int client_left = 0, client_top = 0;

    COLORREF ClientPixel(int x, int y) const;
    bool SavePng(const std::wstring& path) const;
};
Screenshot CaptureWindow(HWND window);
// What a window paints reaches the screen only once the display server has
// drawn it: captures again until shown(capture) holds or a few seconds pass,
// and returns the last capture.
Screenshot CaptureWhen(HWND window, const std::function<bool(const Screenshot&)>& shown);
// As CaptureWhen, and the picture has also stopped changing: two captures
// in a row are the same.
Screenshot CaptureSettled(HWND window, const std::function<bool(const Screenshot&)>& shown);

}  // namespace e2e
