#include "window_extras.h"

#include <commctrl.h>

#include <algorithm>

namespace chgu::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x43485547;  // one subclass per window

COLORREF ColourRef(platform::Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(std::max(GetWindowTextW(window, text.data(), length + 1), 0)));
    return text;
}

// Splits a caption into the lines that fit the width, character by
// character, as Chinese text breaks.
std::vector<std::wstring> CaptionLines(HDC dc, const std::wstring& caption, int width) {
    std::vector<std::wstring> lines(1);
    for (const wchar_t c : caption) {
        std::wstring longer = lines.back() + c;
        SIZE size = {0, 0};
        GetTextExtentPoint32W(dc, longer.c_str(), static_cast<int>(longer.size()), &size);
        if (size.cx > width && !lines.back().empty()) {
            lines.emplace_back(1, c);
        } else {
            lines.back() = std::move(longer);
        }
    }
    return lines;
}

}  // namespace

std::unique_ptr<WindowExtras> WindowExtras::Attach(HWND window, HINSTANCE instance,
                                                   const WindowLayout& layout, Events events) {
    std::unique_ptr<WindowExtras> extras(
        new WindowExtras(window, ColourRef(layout.background), std::move(events)));
    extras->added_ = CreateAddedControls(window, instance, layout.added);
    const bool created = std::all_of(extras->added_.begin(), extras->added_.end(),
                                     [](const AddedWindow& added) { return added.handle; });
    extras->subclassed_ = SetWindowSubclass(window, &WindowExtras::Procedure, kSubclassId,
                                            reinterpret_cast<DWORD_PTR>(extras.get())) != FALSE;
    if (!created || !extras->subclassed_) {
        return nullptr;
    }
    extras->LayOut();
    return extras;
}

WindowExtras::WindowExtras(HWND window, COLORREF background, Events events)
    : window_(window),
      background_(background),
      background_brush_(CreateSolidBrush(background)),
      events_(std::move(events)) {}

WindowExtras::~WindowExtras() {
    if (subclassed_ && IsWindow(window_)) {
        RemoveWindowSubclass(window_, &WindowExtras::Procedure, kSubclassId);
    }
    DeleteObject(background_brush_);
}

HWND WindowExtras::Added(int id) const {
    for (const AddedWindow& added : added_) {
        if (added.row.id == id) {
            return added.handle;
        }
    }
    return nullptr;
}

void WindowExtras::LayOut() {
    // The font the builder gave the other controls at this DPI.
    const HWND any_control = GetWindow(window_, GW_CHILD);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(any_control, WM_GETFONT, 0, 0));
    LayOutAddedControls(window_, added_, font);
}

LRESULT CALLBACK WindowExtras::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                         UINT_PTR, DWORD_PTR self) {
    bool handled = false;
    const LRESULT result =
        reinterpret_cast<WindowExtras*>(self)->OnMessage(message, wparam, lparam, handled);
    return handled ? result : DefSubclassProc(window, message, wparam, lparam);
}

LRESULT WindowExtras::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window_, &client);
            FillRect(reinterpret_cast<HDC>(wparam), &client, background_brush_);
            handled = true;
            return 1;
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC: {
            const auto control = reinterpret_cast<HWND>(lparam);
            if (std::any_of(added_.begin(), added_.end(),
                            [&](const AddedWindow& added) { return added.handle == control; })) {
                SetBkColor(reinterpret_cast<HDC>(wparam), background_);
                handled = true;
                return reinterpret_cast<LRESULT>(background_brush_);
            }
            break;
        }
        case WM_DRAWITEM:
            handled = DrawWrappedCaption(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wparam) == CBN_SELCHANGE && events_.picked) {
                const auto combo = reinterpret_cast<HWND>(lparam);
                const LRESULT chosen = SendMessageW(combo, CB_GETCURSEL, 0, 0);
                const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, chosen, 0);
                if (chosen != CB_ERR && length != CB_ERR) {
                    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
                    SendMessageW(combo, CB_GETLBTEXT, chosen,
                                 reinterpret_cast<LPARAM>(item.data()));
                    item.resize(static_cast<std::size_t>(length));
                    events_.picked(std::u16string(item.begin(), item.end()));
                }
                handled = true;
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            const LRESULT result = DefSubclassProc(window_, message, wparam, lparam);
            LayOut();
            handled = true;
            return result;
        }
        case WM_DESTROY:
            if (events_.destroyed) {
                events_.destroyed();
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window_, &WindowExtras::Procedure, kSubclassId);
            subclassed_ = false;
            break;
        default:
            break;
    }
    return 0;
}

bool WindowExtras::DrawWrappedCaption(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_BUTTON) {
        return false;
    }
    const std::wstring caption = WindowText(item.hwndItem);
    const int width = item.rcItem.right - item.rcItem.left - 2;
    const std::vector<std::wstring> lines = CaptionLines(item.hDC, caption, width);
    if (lines.size() < 2) {
        return false;  // fits on one line: the builder draws it
    }
    RECT face = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    TEXTMETRICW metrics;
    GetTextMetricsW(item.hDC, &metrics);
    const int line_height = metrics.tmHeight;
    const int total = line_height * static_cast<int>(lines.size());
    int top = (item.rcItem.top + item.rcItem.bottom - total) / 2 + (pushed ? 1 : 0);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    for (const std::wstring& line : lines) {
        RECT row = {item.rcItem.left + (pushed ? 1 : 0), top, item.rcItem.right + (pushed ? 1 : 0),
                    top + line_height};
        DrawTextW(item.hDC, line.c_str(), static_cast<int>(line.size()), &row,
                  DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        top += line_height;
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
    return true;
}

}  // namespace chgu::win32
