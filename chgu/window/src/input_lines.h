// How the input helpers of the main window add to the input box Text1:
// always at the end, with a line break once the last line grows wide.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace chgu {

// ",5,6,7" for the range box text "0507": the start read from its first two
// characters, the end from its last two, by the leading-number rule; "" when
// the box is empty or the start lies above the end.
std::u16string RangeInsertion(std::u16string_view Text5);

// ",5,6,7,8" for the numbers start..end; "" when start > end.
std::u16string NumbersFromTo(std::int64_t start, std::int64_t end);

// Width of a character on screen: 1 when its code page 936 form is one byte
// below 128, 2 otherwise.
int DisplayWidth(char16_t c);

// The line-break rule of the input box: CR LF when the last 39 characters of
// text hold no line feed and are wider than 37, otherwise "".
std::u16string_view LineBreakAfter(std::u16string_view text);

}  // namespace chgu
