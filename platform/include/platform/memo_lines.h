// The lines of a multi-line box, as the form toolkit's memo presents them to
// the handlers. The box's text is lines separated by CR LF. The number of
// lines does not count a final empty line, so an empty box has no lines and
// "a\r\n" has one. Adding a line writes "line\r\n" when the text is empty or
// ends in CR LF and "\r\n" + line otherwise; replacing a line replaces only
// its characters, its CR LF stays. Every change is an edit at one place in
// the box, so what the user sees elsewhere in it does not move.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/controls.h"

namespace platform {

struct TextRange {
    std::size_t start = 0;
    std::size_t length = 0;
};

// The line model on a text, for the box below and for anything that needs
// to read a box's text the same way.
std::size_t LineCount(std::u16string_view text);
// The characters of line i (0-based) without its CR LF; i must be below the
// number of CR LF separated pieces of the text.
TextRange LineRange(std::u16string_view text, std::size_t i);

class MemoLines {
  public:
    explicit MemoLines(Control& box) : box_(box) {}

    std::size_t Count() const;
    // Line i, 0-based; i < Count().
    std::u16string operator[](std::size_t i) const;
    void Add(std::u16string_view line);
    // Replaces line i, 0-based; i < Count().
    void Put(std::size_t i, std::u16string_view line);
    void Clear();

  private:
    Control& box_;
};

}  // namespace platform
