// A second, deliberately literal model of program A's statistics: it keeps
// the working text as a real string and deletes marks from it, looks words up
// by copying bytes exactly as the scan rules read, and derives the number
// sets from their rules instead of the engine's tables. It is slow
// (quadratic on texts full of marks) and exists only to be compared with the
// engine on random texts.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kova::reference {

// A year that a year-tables file adds after 2010: the animal of number 01
// (0 鼠 .. 11 猪) and the element of every number (0 金 .. 4 土, element[n]
// for n = 1..49).
struct AddedYear {
    int animal = 0;
    std::array<int, 50> element{};
};
using AddedYears = std::map<int, AddedYear>;

// Returns the report text, each line followed by CR LF, in code page 936.
// The years in added take their tables from there.
std::string NumberReport(std::string_view gbk_text, int year, bool wrapped,
                         const AddedYears& added = {});

enum class Family {
    kZodiac,
    kHead,
    kTail,
    kElement,
    kDigitSum,
    kWave,
    kBigSmall,
    kOddEven,
    kSumOddEven,
    kSegment
};
std::string AttributeReport(std::string_view gbk_text, Family family);

// The setting "繁体字也统计": the text that the statistics then read, each of
// 龍 馬 雞 鷄 豬 頭 紅 綠 藍 單 雙 號 碼 數 written in its simplified form.
// Characters are read as code page 936 frames them: a byte 0x81..0xFE with
// a byte 0x40..0xFE but 0x7F after it is one.
std::string Simplified(std::string_view gbk_text);

}  // namespace kova::reference
