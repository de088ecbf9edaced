#include "control_painting.h"

#include <string>

namespace platform::win32 {

COLORREF ColourRef(Colour colour) {
    switch (colour.kind) {
        case Colour::Kind::kRgb:
            return RGB(colour.red, colour.green, colour.blue);
        case Colour::Kind::kScrollBar:
            return GetSysColor(COLOR_SCROLLBAR);
        case Colour::Kind::kDefault:
            break;
    }
    return GetSysColor(COLOR_BTNTEXT);
}

BrushCache::~BrushCache() {
    for (const auto& [colour, brush] : brushes_) {
        DeleteObject(brush);
    }
}

HBRUSH BrushCache::Of(COLORREF colour) {
    auto [found, added] = brushes_.try_emplace(colour, nullptr);
    if (added) {
        found->second = CreateSolidBrush(colour);
    }
    return found->second;
}

void DrawPushButton(const DRAWITEMSTRUCT& item, COLORREF text_colour) {
    RECT face = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

    const int length = GetWindowTextLengthW(item.hwndItem);
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(item.hwndItem, caption.data(), length + 1);
    caption.resize(static_cast<std::size_t>(length));

    RECT text = item.rcItem;
    if (pushed) {
        OffsetRect(&text, 1, 1);
    }
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC,
                 (item.itemState & ODS_DISABLED) != 0 ? GetSysColor(COLOR_GRAYTEXT) : text_colour);
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace platform::win32
