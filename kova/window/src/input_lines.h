// How the input helpers add to the input box Memo1: always at the end, on
// its last line until that line is too long.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/memo_lines.h"

namespace kova {

// Line lengths are measured in bytes of code page 936, as the program keeps
// its text: a Chinese character counts 2.
std::size_t GbkLength(std::u16string_view text);

// Extends the last line by `extension` while it is at most `longest` bytes
// long; a longer last line stays as it is and `fresh_line` becomes the new
// last line. The box must have a line.
void ExtendLastLine(platform::MemoLines& lines, std::u16string_view extension,
                    std::u16string_view fresh_line, std::size_t longest);

}  // namespace kova
