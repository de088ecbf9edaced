#include "chgu/window/command1.h"

#include <algorithm>
#include <array>

#include "chgu/decimal_text.h"
#include "chgu/lookups.h"
#include "platform/codepage.h"

namespace chgu {

namespace {

constexpr std::array<std::u16string_view, 71> kCaptions = {
    u"金",   u"木",   u"水",   u"火",   u"土",   u"红",   u"绿",     u"蓝",   u"鼠",
    u"牛",   u"虎",   u"兔",   u"龙",   u"蛇",   u"马",   u"羊",     u"猴",   u"鸡",
    u"狗",   u"猪",   u"0头",  u"1头",  u"2头",  u"3头",  u"4头",    u"0尾",  u"1尾",
    u"2尾",  u"3尾",  u"4尾",  u"5尾",  u"6尾",  u"7尾",  u"8尾",    u"9尾",  u"1合",
    u"2合",  u"3合",  u"4合",  u"5合",  u"6合",  u"7合",  u"8合",    u"9合",  u"10合",
    u"11合", u"12合", u"13合", u"单",   u"双",   u"大",   u"小",     u"合单", u"合双",
    u"合大", u"合小", u"大尾", u"小尾", u"大单", u"小单", u"大双",   u"小双", u"红单",
    u"红双", u"绿单", u"绿双", u"蓝单", u"蓝双", u"段",   u"号码页", u"复制",
};

// The tails of 大尾 and 小尾: the statistics know only the single tails.
constexpr std::u16string_view kBigTails = u",5尾,6尾,7尾,8尾,9尾";
constexpr std::u16string_view kSmallTails = u",0尾,1尾,2尾,3尾,4尾";
constexpr std::int16_t kBigTailsButton = 56;
constexpr std::int16_t kSmallTailsButton = 57;

// The rule looks at no more than this many characters at the end of the box
// and breaks the line when they are wider than kWidestLine.
constexpr std::size_t kLineWindow = 39;
constexpr int kWidestLine = 37;

// The range box is read as 16-bit numbers, as the window's other numbers.
std::int16_t AsShort(std::int64_t value) {
    return static_cast<std::int16_t>(value);
}

}  // namespace

std::u16string_view Command1Caption(std::int16_t Index) {
    return kCaptions.at(static_cast<std::size_t>(Index));
}

std::u16string NumbersFromTo(std::int64_t start, std::int64_t end) {
    std::u16string numbers;
    for (std::int64_t i = start; i <= end; ++i) {
        numbers += u',';
        numbers += DecimalText(i);
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

void Command1_Click(MainWindow& window, std::int16_t Index) {
    window.SetFocus(TextControl::Text1);
    std::u16string insertion;
    switch (Index) {
        case kBigTailsButton:
            insertion = kBigTails;
            break;
        case kSmallTailsButton:
            insertion = kSmallTails;
            break;
        case kRangeButton:
            window.FocusText5();
            insertion = RangeInsertion(window.Text5());
            break;
        case kNumberPageButton:
            window.ShowNumberPage();
            break;
        case kCopyButton:
            window.PutOnClipboard(window.Text(TextControl::Text2));
            break;
        default:
            insertion = u",";
            insertion += Command1Caption(Index);
            break;
    }
    window.Append(TextControl::Text1, insertion);
    // Runs after every press, so "号码页" or "复制" can end a long line too.
    window.Append(TextControl::Text1, LineBreakAfter(window.Text(TextControl::Text1)));
}

}  // namespace chgu
