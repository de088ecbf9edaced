#include "platform/win32/form_window.h"

#include <commctrl.h>

#include <string_view>

#include "clipboard.h"
#include "control_painting.h"
#include "control_window.h"
#include "platform/win32/dpi.h"
#include "platform/win32/wide_text.h"
#include "window_text.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"TipstatForm";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// A drop-down list opens below its box, this many pixels high at 96 DPI.
constexpr int kDropDownListHeight = 160;

bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof window_class;
    if (GetClassInfoExW(instance, kWindowClass, &window_class)) {
        return true;
    }
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    window_class.lpszClassName = kWindowClass;
    return RegisterClassExW(&window_class) != 0;
}

HFONT CreateFormFont(const FontSpec& font, UINT dpi) {
    return CreateFontW(-Scale(font.pixel_height, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       font.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, Wide(font.face).c_str());
}

SIZE TextSize(HWND control, HFONT font) {
    const std::wstring text = WindowText(control);
    SIZE size = {0, 0};
    const HDC dc = GetDC(control);
    const HGDIOBJ old_font = SelectObject(dc, font);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old_font);
    ReleaseDC(control, dc);
    return size;
}

}  // namespace

std::unique_ptr<FormWindow32> FormWindow32::Create(HINSTANCE instance, FormLayout layout,
                                                   std::function<void()> destroyed) {
    INITCOMMONCONTROLSEX common_controls = {sizeof common_controls,
                                            ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&common_controls);
    if (!RegisterWindowClass(instance, &FormWindow32::Procedure)) {
        return nullptr;
    }
    std::unique_ptr<FormWindow32> form(
        new FormWindow32(instance, std::move(layout), std::move(destroyed)));
    const std::wstring caption = Wide(form->layout_.caption);
    CreateWindowExW(0, kWindowClass, caption.c_str(), kWindowStyle, form->layout_.left,
                    form->layout_.top, form->layout_.client_width, form->layout_.client_height,
                    nullptr, nullptr, instance, form.get());
    if (form->window_ == nullptr || !form->CreateControls()) {
        return nullptr;
    }
    form->dpi_ = DpiOf(form->window_);
    form->LayOut();
    if (form->layout_.icon_id != 0) {
        struct IconSize {
            WPARAM which;
            int width_metric, height_metric;
        };
        for (const IconSize& size : {IconSize{ICON_BIG, SM_CXICON, SM_CYICON},
                                     IconSize{ICON_SMALL, SM_CXSMICON, SM_CYSMICON}}) {
            const HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(form->layout_.icon_id),
                                           IMAGE_ICON, GetSystemMetrics(size.width_metric),
                                           GetSystemMetrics(size.height_metric), LR_SHARED);
            SendMessageW(form->window_, WM_SETICON, size.which, reinterpret_cast<LPARAM>(icon));
        }
    }
    return form;
}

FormWindow32::FormWindow32(HINSTANCE instance, FormLayout layout, std::function<void()> destroyed)
    : instance_(instance),
      layout_(std::move(layout)),
      destroyed_(std::move(destroyed)),
      tab_order_(TabOrder(layout_)),
      client_width_(layout_.client_width),
      brushes_(std::make_unique<BrushCache>()) {}

FormWindow32::~FormWindow32() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

bool FormWindow32::CreateControls() {
    for (std::size_t row = 0; row < layout_.controls.size(); ++row) {
        const ControlLayout& layout = layout_.controls[row];
        const bool follows_option =
            row > 0 && layout_.controls[row - 1].kind == ControlKind::kOption;
        const HWND control = CreateControlWindow(
            window_, instance_, layout, !(layout.kind == ControlKind::kOption && follows_option));
        if (control == nullptr) {
            return false;
        }
        controls_.push_back(std::make_unique<ControlWindow>(layout, control));
        by_name_.Add(layout.name, *controls_.back());
    }
    // Frames and panels stand behind the controls placed on them. Each new
    // control goes below those before it, so they move once all are made.
    for (const auto& control : controls_) {
        const ControlKind kind = control->Layout().kind;
        if (kind == ControlKind::kFrame || kind == ControlKind::kPanel) {
            SetWindowPos(control->Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    return true;
}

void FormWindow32::LayOut() {
    const HFONT old_font = font_;
    font_ = CreateFormFont(layout_.font, dpi_);
    for (const auto& control : controls_) {
        const ControlLayout& layout = control->Layout();
        const Bounds bounds = ClientBounds(layout_, layout);
        int width = Scale(bounds.width, dpi_);
        int height = Scale(bounds.height, dpi_);
        SendMessageW(control->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (layout.kind == ControlKind::kLabel && (bounds.width == 0 || bounds.height == 0)) {
            const SIZE text = TextSize(control->Handle(), font_);
            width = bounds.width == 0 ? text.cx : width;
            height = bounds.height == 0 ? text.cy : height;
        }
        if (layout.kind == ControlKind::kDropDown) {
            height = Scale(bounds.height + kDropDownListHeight, dpi_);
        }
        SetWindowPos(control->Handle(), nullptr, Scale(bounds.left, dpi_), Scale(bounds.top, dpi_),
                     width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    if (old_font != nullptr) {
        DeleteObject(old_font);
    }
    SetClientSize(Scale(client_width_, dpi_), Scale(layout_.client_height, dpi_));
    InvalidateRect(window_, nullptr, TRUE);
}

void FormWindow32::SetClientSize(int width, int height) {
    // The frame is measured rather than computed, so the client area comes
    // out exact whatever the system's frame metrics are.
    RECT outer;
    RECT client;
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    const int frame_width = (outer.right - outer.left) - (client.right - client.left);
    const int frame_height = (outer.bottom - outer.top) - (client.bottom - client.top);
    SetWindowPos(window_, nullptr, 0, 0, width + frame_width, height + frame_height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow32::Show(int show_command, std::string_view focused_control) {
    ShowWindow(window_, show_command);
    UpdateWindow(window_);
    if (!focused_control.empty()) {
        Find(focused_control).Focus();
    }
}

void FormWindow32::BringToFront() {
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
}

Control& FormWindow32::Find(std::string_view name) {
    return by_name_.Get(name);
}

int FormWindow32::ClientWidth() const {
    RECT client;
    GetClientRect(window_, &client);
    return Unscale(client.right - client.left, dpi_);
}

void FormWindow32::SetClientWidth(int width) {
    client_width_ = width;
    SetClientSize(Scale(width, dpi_), Scale(layout_.client_height, dpi_));
}

void FormWindow32::ShowMessage(std::u16string_view text, MessageIcon icon) {
    MessageBoxW(window_, Wide(text).c_str(), Wide(layout_.caption).c_str(),
                MB_OK | (icon == MessageIcon::kError ? MB_ICONERROR : 0));
}

bool FormWindow32::PutOnClipboard(std::u16string_view text) {
    return PutTextOnClipboard(window_, text);
}

ControlWindow* FormWindow32::ByHandle(HWND control) const {
    for (const auto& row : controls_) {
        if (row->Handle() == control) {
            return row.get();
        }
    }
    return nullptr;
}

ControlWindow* FormWindow32::ById(int id) const {
    for (const auto& row : controls_) {
        if (row->Layout().id == id) {
            return row.get();
        }
    }
    return nullptr;
}

LRESULT CALLBACK FormWindow32::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* form =
            static_cast<FormWindow32*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<FormWindow32*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    return form->OnMessage(message, wparam, lparam);
}

LRESULT FormWindow32::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wparam) == CBN_SELCHANGE) {
                if (ControlWindow* control = ById(LOWORD(wparam));
                    control != nullptr && control->Layout().kind == ControlKind::kDropDown) {
                    Picked(*control);
                    return 0;
                }
            }
            if (HIWORD(wparam) == BN_CLICKED) {
                if (ControlWindow* control = ById(LOWORD(wparam));
                    control != nullptr && control->Layout().on_click) {
                    control->Layout().on_click(*control);
                }
                return 0;
            }
            break;
        case WM_VSCROLL:
        case WM_HSCROLL:
            // An up-down control reports each step of its position.
            if (LOWORD(wparam) == SB_THUMBPOSITION) {
                if (ControlWindow* control = ByHandle(reinterpret_cast<HWND>(lparam));
                    control != nullptr && control->Layout().on_click) {
                    control->Layout().on_click(*control);
                }
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return ControlColour(message, wparam, lparam);
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
            if (ControlWindow* control = ByHandle(item.hwndItem); control != nullptr) {
                const Colour text = control->Layout().text_colour;
                DrawPushButton(item,
                               text.IsDefault() ? GetSysColor(COLOR_BTNTEXT) : ColourRef(text),
                               control->Layout().wraps_caption);
                return TRUE;
            }
            break;
        }
        case WM_ACTIVATE:
            // Give the focus back to the control that had it, as dialogs do.
            if (LOWORD(wparam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                focus_before_deactivation_ = IsChild(window_, focus) ? focus : nullptr;
            } else if (focus_before_deactivation_ != nullptr && !HIWORD(wparam)) {
                SetFocus(focus_before_deactivation_);
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wparam);
            const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
            SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                         suggested.right - suggested.left, suggested.bottom - suggested.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            LayOut();
            return 0;
        }
        case WM_ERASEBKGND:
            if (!layout_.background.IsDefault()) {
                RECT client;
                GetClientRect(window_, &client);
                FillRect(reinterpret_cast<HDC>(wparam), &client,
                         brushes_->Of(ColourRef(layout_.background)));
                return 1;
            }
            break;
        case WM_DESTROY:
            if (destroyed_) {
                destroyed_();
            } else {
                PostQuitMessage(0);
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

void FormWindow32::Picked(ControlWindow& list) {
    const auto chosen = static_cast<int>(SendMessageW(list.Handle(), CB_GETCURSEL, 0, 0));
    if (chosen == CB_ERR || !list.Layout().on_pick) {
        return;
    }
    list.Layout().on_pick(list.ListItem(chosen));
}

FormWindow32* FormWindow32::Of(HWND window) {
    const HWND root = GetAncestor(window, GA_ROOT);
    wchar_t name[32] = {};
    if (root == nullptr || GetClassNameW(root, name, 32) == 0 ||
        std::wstring_view(name) != kWindowClass) {
        return nullptr;
    }
    return reinterpret_cast<FormWindow32*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

LRESULT FormWindow32::ControlColour(UINT message, WPARAM wparam, LPARAM lparam) {
    const LRESULT standard = DefWindowProcW(window_, message, wparam, lparam);
    const ControlWindow* control = ByHandle(reinterpret_cast<HWND>(lparam));
    if (control == nullptr) {
        return standard;
    }
    const HDC dc = reinterpret_cast<HDC>(wparam);
    const ControlLayout& layout = control->Layout();
    if (!layout.text_colour.IsDefault()) {
        SetTextColor(dc, ColourRef(layout.text_colour));
    }
    if (!layout.background.IsDefault()) {
        const COLORREF background = ColourRef(layout.background);
        SetBkColor(dc, background);
        return reinterpret_cast<LRESULT>(brushes_->Of(background));
    }
    return standard;
}

int RunMessageLoop() {
    // A message the system fails to hand over costs that message, not the
    // program: under Wine a text of more than about 2 MB sent by another
    // program cannot be received, and ending here would take the user's
    // input with it. Only a queue that keeps failing ends the loop.
    constexpr int kFailuresInARowToGiveUp = 100;
    int failures_in_a_row = 0;
    MSG message = {};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            if (++failures_in_a_row == kFailuresInARowToGiveUp) {
                return 1;
            }
            continue;
        }
        failures_in_a_row = 0;
        if (FormWindow32* form = FormWindow32::Of(message.hwnd);
            form != nullptr && form->HandleKey(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace platform::win32
