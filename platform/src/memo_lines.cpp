#include "platform/memo_lines.h"

#include <cassert>

namespace platform {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

bool EndsWithLineBreak(std::u16string_view text) {
    return text.size() >= kLineBreak.size() &&
           text.substr(text.size() - kLineBreak.size()) == kLineBreak;
}

}  // namespace

std::size_t LineCount(std::u16string_view text) {
    std::size_t breaks = 0;
    for (std::size_t pos = text.find(kLineBreak); pos != std::u16string_view::npos;
         pos = text.find(kLineBreak, pos + kLineBreak.size())) {
        ++breaks;
    }
    // The piece after the last break is a line only when it has characters.
    return text.empty() || EndsWithLineBreak(text) ? breaks : breaks + 1;
}

TextRange LineRange(std::u16string_view text, std::size_t i) {
    std::size_t start = 0;
    for (std::size_t line = 0; line < i; ++line) {
        const std::size_t end = text.find(kLineBreak, start);
        assert(end != std::u16string_view::npos);
        start = end + kLineBreak.size();
    }
    const std::size_t end = text.find(kLineBreak, start);
    return {start, (end == std::u16string_view::npos ? text.size() : end) - start};
}

std::size_t MemoLines::Count() const {
    return LineCount(box_.Text());
}

std::u16string MemoLines::operator[](std::size_t i) const {
    const std::u16string text = box_.Text();
    const TextRange range = LineRange(text, i);
    return text.substr(range.start, range.length);
}

void MemoLines::Add(std::u16string_view line) {
    const std::u16string text = box_.Text();
    std::u16string inserted;
    if (text.empty() || EndsWithLineBreak(text)) {
        inserted.append(line).append(kLineBreak);
    } else {
        inserted.append(kLineBreak).append(line);
    }
    box_.ReplaceText(text.size(), 0, inserted);
}

void MemoLines::Put(std::size_t i, std::u16string_view line) {
    const TextRange range = LineRange(box_.Text(), i);
    box_.ReplaceText(range.start, range.length, line);
}

void MemoLines::Clear() {
    box_.SetText(u"");
}

}  // namespace platform
