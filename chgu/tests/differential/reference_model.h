// A second, deliberately literal model of program B's statistics buttons: the
// lookups build their number lists as strings from the attribute rules, the
// bracket filter and the windows of characters are strings, and the number
// statistics collect `CollectedList` before counting it. It exists only to be
// compared with the engine on random texts.
#pragma once

#include <array>
#include <map>
#include <string>

namespace chgu::reference {

// A table year that a year-tables file adds after 2010: the animal of
// number 01 (0 鼠 .. 11 猪) and the element of every number (0 金 .. 4 土,
// element[n] for n = 1..49).
struct AddedYear {
    int animal = 0;
    std::array<int, 50> element{};
};

struct Settings {
    std::u16string table_year = u"2008";
    bool skip_brackets = true;  // 方括内不统计
    bool cumulative = false;    // 次数累加统计
    bool long_lines = true;     // 长行排列

    // The table years of a year-tables file; none without one.
    std::map<long, AddedYear> added;
};

// The text of the output box after pressing statistics button `index`
// (0 码统计 .. 10 半 波, 11 全转半) with `text` in the input box.
std::u16string Press(int index, const std::u16string& text, const Settings& settings);

// The setting "繁体字也统计": the text that the buttons then read, each of
// 龍 馬 雞 鷄 豬 頭 紅 綠 藍 單 雙 號 碼 數 written in its simplified form.
std::u16string Simplified(const std::u16string& text);

}  // namespace chgu::reference
