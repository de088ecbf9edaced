// The start-up sequence of the main window and the two buttons of its top
// strip that belong to it: "更改" stores the change date, "帮助" shows the
// usage notes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "chgu/change_date_store.h"
#include "chgu/form1_controls.h"
#include "chgu/table_year.h"

namespace chgu {

// Combo1's edit text after every start-up sequence.
inline constexpr std::u16string_view kCombo1Caption = u"自定义";

// What the start-up sequence reads besides the window.
struct StartupSources {
    ChangeDateStore& store;
    std::filesystem::path program_folder;  // where Define.txt is looked for
    CivilDate today;
};

// Form_Load: the stored change date goes into Text3 (or, when none is
// stored, the welcome text replaces Text1), TableYear follows Text3 and
// today's date, and Combo1 lists the custom attributes under "自定义".
void Form_Load(Form1Controls& controls, Form1State& state, const StartupSources& sources);

// "更改": stores the text of Text3 as it stands and runs the start-up
// sequence again, which reads the stored value back. When the date cannot
// be stored (an ordinary user may write neither key, or an older value read
// first would hide it), nothing is read back: Text3 keeps the typed date,
// TableYear follows it until the program ends, Text1 keeps its text, and
// one message box tells the user so.
void Command3_Click(Form1Controls& controls, Form1State& state, const StartupSources& sources);

// The message of a change date that could not be stored.
inline constexpr std::u16string_view kChangeDateNotSaved =
    u"无法保存更改肖行日期。本次运行将使用此日期，直到程序关闭。";

// "帮助": Text1 gets the focus and the usage notes in place of its text.
void Command4_Click(Form1Controls& controls);

// The welcome text shown at a start without a stored change date, and the
// usage notes; lines joined by CR LF.
std::u16string WelcomeText();
std::u16string UsageNotes();

}  // namespace chgu
