#include "input_lines.h"

#include <algorithm>

#include "chgu/lookups.h"
#include "platform/codepage.h"
#include "yeartables/numbers.h"

namespace chgu {

namespace {

// The rule looks at no more than this many characters at the end of the box
// and breaks the line when they are wider than kWidestLine.
constexpr std::size_t kLineWindow = 39;
constexpr int kWidestLine = 37;

// The range box is read as 16-bit numbers, as the window's other numbers.
std::int16_t AsShort(std::int64_t value) {
    return static_cast<std::int16_t>(value);
}

}  // namespace

std::u16string NumbersFromTo(std::int64_t start, std::int64_t end) {
    std::u16string numbers;
    for (std::int64_t i = start; i <= end; ++i) {
        numbers += u',';
        numbers += yeartables::DecimalText(i);
    }
    return numbers;
}

std::u16string RangeInsertion(std::u16string_view Text5) {
    if (Text5.empty()) {
        return {};
    }
    const std::int16_t start = AsShort(LeadingNumber(Text5.substr(0, 2)));
    const std::int16_t end =
        AsShort(LeadingNumber(Text5.substr(Text5.size() - std::min<std::size_t>(2, Text5.size()))));
    return NumbersFromTo(start, end);
}

int DisplayWidth(char16_t c) {
    const std::string form = platform::Utf16ToGbk(std::u16string_view(&c, 1));
    return form.size() == 1 && static_cast<unsigned char>(form[0]) < 128 ? 1 : 2;
}

std::u16string_view LineBreakAfter(std::u16string_view text) {
    const std::u16string_view last = text.substr(text.size() - std::min(kLineWindow, text.size()));
    if (last.find(u'\n') != std::u16string_view::npos) {
        return {};
    }
    int width = 0;
    for (const char16_t c : last) {
        width += DisplayWidth(c);
    }
    return width > kWidestLine ? u"\r\n" : u"";
}

}  // namespace chgu
