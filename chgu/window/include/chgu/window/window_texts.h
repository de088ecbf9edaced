// The texts program B's main window shows besides its reports.
#pragma once

#include <string>
#include <string_view>

namespace chgu {

// Combo1's edit text after every start-up sequence.
inline constexpr std::u16string_view kCombo1Caption = u"自定义";

// The message of a change date that could not be stored.
inline constexpr std::u16string_view kChangeDateNotSaved =
    u"无法保存更改肖行日期。本次运行将使用此日期，直到程序关闭。";

// The welcome text shown at a start without a stored change date, and the
// usage notes of "帮助"; lines joined by CR LF.
std::u16string WelcomeText();
std::u16string UsageNotes();

}  // namespace chgu
