// Layouts are given in pixels at 96 DPI and drawn at the monitor's DPI.
#pragma once

#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace platform::win32 {

inline constexpr UINT kLayoutDpi = 96;

// The DPI of the monitor the window is on (Windows 10 and later), or of the
// whole screen on older systems.
UINT DpiOf(HWND window);

inline int Scale(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), kLayoutDpi);
}
inline int Unscale(int pixels, UINT dpi) {
    return MulDiv(pixels, kLayoutDpi, static_cast<int>(dpi));
}

}  // namespace platform::win32
