#include "input_lines.h"

#include <string>

#include "platform/codepage.h"

namespace kova {

std::size_t GbkLength(std::u16string_view text) {
    return platform::Utf16ToGbk(text).size();
}

void ExtendLastLine(platform::MemoLines& lines, std::u16string_view extension,
                    std::u16string_view fresh_line, std::size_t longest) {
    const std::size_t last_index = lines.Count() - 1;
    std::u16string last = lines[last_index];
    if (GbkLength(last) > longest) {
        lines.Add(fresh_line);
    } else {
        lines.Put(last_index, last.append(extension));
    }
}

}  // namespace kova
