#pragma once

#include <windows.h>

#include <string_view>

namespace platform::win32 {

// Empties the clipboard and puts text on it as Unicode text (an empty text
// too); false when the clipboard could not be opened or written.
bool PutTextOnClipboard(HWND owner, std::u16string_view text);

}  // namespace platform::win32
