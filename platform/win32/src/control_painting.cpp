#include "control_painting.h"

#include <string>
#include <vector>

#include "window_text.h"

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

namespace {

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

void DrawCaptionLines(const DRAWITEMSTRUCT& item, const std::vector<std::wstring>& lines,
                      bool pushed) {
    TEXTMETRICW metrics;
    GetTextMetricsW(item.hDC, &metrics);
    const int line_height = metrics.tmHeight;
    const int total = line_height * static_cast<int>(lines.size());
    const int shift = pushed ? 1 : 0;
    int top = (item.rcItem.top + item.rcItem.bottom - total) / 2 + shift;
    for (const std::wstring& line : lines) {
        RECT row = {item.rcItem.left + shift, top, item.rcItem.right + shift, top + line_height};
        DrawTextW(item.hDC, line.c_str(), static_cast<int>(line.size()), &row,
                  DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        top += line_height;
    }
}

}  // namespace

void DrawPushButton(const DRAWITEMSTRUCT& item, COLORREF text_colour, bool wraps) {
    RECT face = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

    const std::wstring caption = WindowText(item.hwndItem);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC,
                 (item.itemState & ODS_DISABLED) != 0 ? GetSysColor(COLOR_GRAYTEXT) : text_colour);
    const std::vector<std::wstring> lines =
        wraps ? CaptionLines(item.hDC, caption, item.rcItem.right - item.rcItem.left - 2)
              : std::vector<std::wstring>{caption};
    if (lines.size() > 1) {
        DrawCaptionLines(item, lines, pushed);
    } else {
        RECT text = item.rcItem;
        if (pushed) {
            OffsetRect(&text, 1, 1);
        }
        DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }

    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace platform::win32
