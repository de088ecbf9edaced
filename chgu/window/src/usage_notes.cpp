#include <array>

#include "chgu/window/window_texts.h"

namespace chgu {

namespace {

constexpr std::u16string_view kTitle =
    u"                     使  用  说  明                       ";

constexpr std::u16string_view kOpening = u"本统计器帮你统计资料中各号码和各属性出现的次数。";

// Display lines of about 30 characters; paragraphs begin with four spaces.
constexpr std::array<std::u16string_view, 19> kNotes = {
    u"    本统计器继承了墨川统计器的优点，特别是资料",
    u"中表示次数的数字不会被当作号码统计。",
    u"    本统计器可分别统计肖、头、尾、行、合、波、",
    u"码，以及大小、单双、合单双、半波。自定义属性请",
    u"在Define文件中增加或修改。",
    u"    用面板上的按钮录入时会自动换行，并且总是加在",
    u"输入框的末尾，基本不用左右拖动滚动条。",
    u"    码统计时，紧挨在“次”、“码”、“期”前面的数字不",
    u"统计。“全转半”把全角数字转为半角，并修复从QQ复",
    u"制资料时丢失的换行。",
    u"    【】和〖〗内的内容（从左括号到右括号）不统计；",
    u"另外增加了“次数累加统计”。这两项均可自行选择。",
    u"    分段录入：在“段”按钮后面的框内输入开始号码和",
    u"结束号码，再按“段”即可，中间用任何符号分隔或不",
    u"分隔都可以。在号码页中分段录入也同样简单。",
    u"    各种统计器对生肖、五行号码是在元旦、立春",
    u"还是春节更换看法不一，请你自行输入今年的更换",
    u"日期，再按“更改”键。",
    u"    本统计器内置2005年至2010年的资料。",
};

constexpr std::array<std::u16string_view, 2> kClosing = {
    u"    如有意见或建议，欢迎提出，我们会不断改进。",
    u"    祝你好运！",
};

}  // namespace

std::u16string UsageNotes() {
    std::u16string text(kTitle);
    text += u"\r\n\r\n";
    text += kOpening;
    text += u"\r\n";
    for (const std::u16string_view line : kNotes) {
        text += line;
        text += u"\r\n";
    }
    text += u"\r\n";
    for (const std::u16string_view line : kClosing) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

}  // namespace chgu
