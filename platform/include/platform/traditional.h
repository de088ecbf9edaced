// The setting "繁体字也统计": the characters of both programs' vocabulary
// whose traditional form differs from the simplified one, and the one pass
// that writes a text with the simplified forms before a statistic reads it.
// One table serves both programs' texts: code page 936 bytes and UTF-16.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace platform {

struct TraditionalForm {
    char16_t traditional;
    char16_t simplified;
};

// 龍→龙 馬→马 雞→鸡 鷄→鸡 豬→猪 頭→头 紅→红 綠→绿 藍→蓝 單→单 雙→双 號→号 碼→码 數→数;
// every other character stays (兰 among them).
inline constexpr std::array<TraditionalForm, 14> kTraditionalForms = {{
    {u'龍', u'龙'},
    {u'馬', u'马'},
    {u'雞', u'鸡'},
    {u'鷄', u'鸡'},
    {u'豬', u'猪'},
    {u'頭', u'头'},
    {u'紅', u'红'},
    {u'綠', u'绿'},
    {u'藍', u'蓝'},
    {u'單', u'单'},
    {u'雙', u'双'},
    {u'號', u'号'},
    {u'碼', u'码'},
    {u'數', u'数'},
}};

// Each character of the table written in its simplified form, in place;
// one character for one character, so lengths and every other unit stay.
void SimplifyTraditional(std::u16string& text);
// The same on code page 936 bytes, read character by character as code
// page 936 frames them (a lead byte 0x81..0xFE and a trail 0x40..0xFE but
// 0x7F are one character; any other byte stands alone).
void SimplifyTraditionalGbk(std::string& gbk_text);

// Whether the text holds any character of the table.
bool HoldsTraditional(std::u16string_view text);

// The caption of the check box on both programs' windows, and what a window
// says once when the system's store does not take its tick.
inline constexpr std::u16string_view kTraditionalCaption = u"繁体字也统计";
inline constexpr std::u16string_view kTraditionalNotKept =
    u"无法保存“繁体字也统计”的设置。本次运行仍按所选统计，直到程序关闭。";

}  // namespace platform
