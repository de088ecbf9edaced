// What program B's windows add to a window of the shared builder, by
// subclassing it: the window's background colour, the check boxes and the
// drop-down list with their colours and DPI, button captions that wrap when
// they do not fit on one line, the pick of an item from the drop-down list
// and word of the window's end.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "added_controls.h"
#include "chgu/window/layouts.h"

namespace chgu::win32 {

class WindowExtras {
  public:
    struct Events {
        // An item picked from the drop-down list, with its text.
        std::function<void(const std::u16string&)> picked;
        // The window is being destroyed.
        std::function<void()> destroyed;
    };

    // Subclasses window, a window built from layout.form, and creates the
    // added rows of layout; nullptr when Windows refuses.
    static std::unique_ptr<WindowExtras> Attach(HWND window, HINSTANCE instance,
                                                const WindowLayout& layout, Events events);
    WindowExtras(const WindowExtras&) = delete;
    WindowExtras& operator=(const WindowExtras&) = delete;
    ~WindowExtras();

    // The handle of an added control.
    HWND Added(int id) const;

  private:
    WindowExtras(HWND window, COLORREF background, Events events);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR id, DWORD_PTR self);
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled);
    void LayOut();
    bool DrawWrappedCaption(const DRAWITEMSTRUCT& item) const;

    HWND window_;
    COLORREF background_;
    HBRUSH background_brush_;
    Events events_;
    std::vector<AddedWindow> added_;
    bool subclassed_ = false;
};

}  // namespace chgu::win32
