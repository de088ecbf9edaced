// The text of a window or control, read whole.
#pragma once

#include <windows.h>

#include <string>

namespace platform::win32 {

// The whole text; "" when there is none or it cannot be read.
std::wstring WindowText(HWND window);

}  // namespace platform::win32
