#include "control_window.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "window_text.h"

namespace platform::win32 {

namespace {

struct WindowClass {
    const wchar_t* name;
    DWORD style;
    DWORD extended_style;
};

WindowClass ClassOf(const ControlLayout& layout) {
    constexpr DWORD kEditBox = ES_AUTOHSCROLL | WS_TABSTOP;
    switch (layout.kind) {
        case ControlKind::kButton:
            return {L"BUTTON",
                    static_cast<DWORD>(BS_PUSHBUTTON | WS_TABSTOP |
                                       (IsOwnerDrawn(layout) ? BS_OWNERDRAW : 0)),
                    0};
        case ControlKind::kOption:
            return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
        case ControlKind::kTextBox:
            return {L"EDIT", kEditBox, WS_EX_CLIENTEDGE};
        case ControlKind::kReadOnlyBox:
            return {L"EDIT", kEditBox | ES_READONLY, WS_EX_CLIENTEDGE};
        case ControlKind::kMultiLineBox:
            return {L"EDIT",
                    ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL |
                        WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case ControlKind::kLabel:
            return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
        case ControlKind::kFrame:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::kPanel:
            return {L"STATIC", SS_LEFT, 0};
        case ControlKind::kUpDown:
            return {UPDOWN_CLASSW, 0, 0};
        case ControlKind::kCheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::kDropDown:
            return {L"COMBOBOX", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 0};
    }
    return {L"STATIC", 0, 0};
}

}  // namespace

bool IsOwnerDrawn(const ControlLayout& layout) {
    return layout.kind == ControlKind::kButton;
}

HWND CreateControlWindow(HWND parent, HINSTANCE instance, const ControlLayout& layout,
                         bool starts_group) {
    const WindowClass window_class = ClassOf(layout);
    const DWORD style =
        WS_CHILD | WS_CLIPSIBLINGS | window_class.style | (starts_group ? WS_GROUP : 0);
    const std::wstring caption = Wide(layout.caption);
    const HWND window = CreateWindowExW(
        window_class.extended_style, window_class.name, caption.c_str(), style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    switch (layout.kind) {
        case ControlKind::kTextBox:
        case ControlKind::kReadOnlyBox:
        case ControlKind::kMultiLineBox:
            // The default limit (about 30,000 characters) would cut long
            // tip texts and reports; 0 lifts it.
            SendMessageW(window, EM_SETLIMITTEXT, static_cast<WPARAM>(layout.max_length), 0);
            break;
        case ControlKind::kOption:
            SendMessageW(window, BM_SETCHECK, layout.checked ? BST_CHECKED : BST_UNCHECKED, 0);
            if (!layout.text_colour.IsDefault()) {
                // A themed option ignores the text colour its parent asks for.
                SetWindowTheme(window, L"", L"");
            }
            break;
        case ControlKind::kCheckBox:
            SendMessageW(window, BM_SETCHECK, layout.checked ? BST_CHECKED : BST_UNCHECKED, 0);
            if (!layout.background.IsDefault()) {
                // A themed check box ignores the background its parent gives it.
                SetWindowTheme(window, L"", L"");
            }
            break;
        case ControlKind::kUpDown:
            SendMessageW(window, UDM_SETRANGE32, static_cast<WPARAM>(layout.minimum),
                         static_cast<LPARAM>(layout.maximum));
            SendMessageW(window, UDM_SETPOS32, 0, static_cast<LPARAM>(layout.position));
            break;
        default:
            break;
    }
    return window;
}

bool ControlWindow::IsEdit() const {
    return layout_.kind == ControlKind::kTextBox || layout_.kind == ControlKind::kReadOnlyBox ||
           layout_.kind == ControlKind::kMultiLineBox;
}

std::u16string ControlWindow::Text() const {
    return FromWide(WindowText(window_));
}

void ControlWindow::SetText(std::u16string_view text) {
    SetWindowTextW(window_, Wide(text).c_str());
}

void ControlWindow::ReplaceText(std::size_t start, std::size_t length, std::u16string_view text) {
    if (!IsEdit()) {
        std::u16string whole = Text();
        whole.replace(std::min(start, whole.size()), length, text);
        SetText(whole);
        return;
    }
    SendMessageW(window_, EM_SETSEL, static_cast<WPARAM>(start),
                 static_cast<LPARAM>(start + length));
    SendMessageW(window_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    SendMessageW(window_, EM_SCROLLCARET, 0, 0);
}

void ControlWindow::Focus() {
    SetFocus(window_);
}

bool ControlWindow::Checked() const {
    return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ControlWindow::Select() {
    if (layout_.kind != ControlKind::kOption) {
        return;
    }
    // The group runs from the option with WS_GROUP to the next control that
    // starts a group of its own; the builder makes them one after another.
    HWND first = window_;
    while (!(GetWindowLongW(first, GWL_STYLE) & WS_GROUP)) {
        const HWND before = GetWindow(first, GW_HWNDPREV);
        if (before == nullptr) {
            break;
        }
        first = before;
    }
    for (HWND member = first; member != nullptr; member = GetWindow(member, GW_HWNDNEXT)) {
        if (member != first && (GetWindowLongW(member, GWL_STYLE) & WS_GROUP)) {
            break;
        }
        SendMessageW(member, BM_SETCHECK, member == window_ ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

int ControlWindow::Position() const {
    return static_cast<int>(SendMessageW(window_, UDM_GETPOS32, 0, 0));
}

void ControlWindow::SetPosition(int position) {
    SendMessageW(window_, UDM_SETPOS32, 0,
                 static_cast<LPARAM>(std::clamp(position, layout_.minimum, layout_.maximum)));
}

void ControlWindow::ClearList() {
    SendMessageW(window_, CB_RESETCONTENT, 0, 0);
}

void ControlWindow::AddListItem(std::u16string_view item) {
    SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
}

std::u16string ControlWindow::ListItem(int index) const {
    const LRESULT length = SendMessageW(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (index < 0 || length == CB_ERR) {
        return {};
    }
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(length));
    return FromWide(item);
}

}  // namespace platform::win32
