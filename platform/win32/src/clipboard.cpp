#include "clipboard.h"

#include <cstring>

namespace platform::win32 {

bool PutTextOnClipboard(HWND owner, std::u16string_view text) {
    if (!OpenClipboard(owner)) {
        return false;
    }
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    bool placed = false;
    if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes); memory != nullptr) {
        if (void* target = GlobalLock(memory); target != nullptr) {
            std::memcpy(target, text.data(), text.size() * sizeof(char16_t));
            static_cast<char16_t*>(target)[text.size()] = u'\0';
            GlobalUnlock(memory);
            placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!placed) {
            GlobalFree(memory);  // the clipboard owns it only once placed
        }
    }
    CloseClipboard();
    return placed;
}

}  // namespace platform::win32
