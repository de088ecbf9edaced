// The handler of the Command1 buttons of the main window: 68 attribute
// buttons that type their word into the input box, "段" (the range box),
// "号码页" and "复制".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "chgu/window/main_window.h"

namespace chgu {

inline constexpr std::int16_t kAttributeButtonCount = 68;
inline constexpr std::int16_t kRangeButton = 68;       // 段
inline constexpr std::int16_t kNumberPageButton = 69;  // 号码页
inline constexpr std::int16_t kCopyButton = 70;        // 复制

// The caption of Command1(Index), 0 <= Index <= 70.
std::u16string_view Command1Caption(std::int16_t Index);

void Command1_Click(MainWindow& window, std::int16_t Index);

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
