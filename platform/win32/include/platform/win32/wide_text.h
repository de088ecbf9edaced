// Portable text is char16_t; the Win32 API takes wchar_t, the same 16-bit
// units on Windows. These are the only crossings between the two.
#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

inline std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}
inline std::u16string FromWide(std::wstring_view text) {
    return {text.begin(), text.end()};
}

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 text is UTF-16");

}  // namespace platform::win32
