#include <array>

#include "chgu/window/window_texts.h"

namespace chgu {

namespace {

constexpr std::array<std::u16string_view, 11> kWelcomeLines = {
    u"欢迎你使用本统计器！",
    u"第一次使用前，请先设置今年更改肖行的开始日期，并按“更改”",
    u"键即可，否则统计结果可能发生错误！",
    u"",
    u"你如果想使用“自定义属性”，请在当前文件夹新建一个名为",
    u"“define.txt”的文件，并打开文件按下列格式录入要定义的属性，",
    u"一行一个。最后保存文件。例如：",
    u"禽畜|牛马羊鸡狗猪",
    u"野兽|鼠虎兔龙蛇猴",
    u"",
    u"祝你使用愉快，好运常在！",
};

}  // namespace

std::u16string WelcomeText() {
    std::u16string text;
    for (std::size_t i = 0; i < kWelcomeLines.size(); ++i) {
        if (i > 0) {
            text += u"\r\n";  // the last line has no line break after it
        }
        text += kWelcomeLines[i];
    }
    return text;
}

}  // namespace chgu
