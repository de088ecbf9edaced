// Helpers shared by program B's tests. Texts are written as UTF-8 literals
// and converted at run time; results come back as UTF-8 so that a failing
// comparison prints readable Chinese.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "chgu/scan.h"
#include "chgu/statistics.h"
#include "temp_folder.h"

namespace chgu::test {

std::u16string U16(std::string_view utf8);
std::string U8(std::u16string_view text);

// The settings of the top strip for one press.
struct Strip {
    std::string TableYear = "2008";
    bool Check1 = true;   // 方括内不统计
    bool Check2 = false;  // 次数累加统计
    bool Option2 = true;  // 长行排列
};

// The buttons Command2(Index) as the tests name them: the rows of the
// statistics table from 码统计 (0) on, then 全转半.
inline constexpr std::int16_t kNumberButton = 0;
inline constexpr std::int16_t kNormaliseButton = 11;

// Text2 after pressing Command2(Index) (0..11) with text in Text1.
std::u16string Text2After(std::int16_t Index, std::u16string_view text,
                          const StatisticSettings& settings, std::int16_t& InBracket);

// Text2 after pressing Command2(Index) with text in Text1.
std::string Press(std::int16_t Index, std::string_view text, const Strip& strip = {});

// CollectedList of the number recognition.
std::string Collected(std::string_view text, const Strip& strip = {});

// The classes an attribute statistic counted, in slot order, as "鼠2 牛1";
// classes counted 0 are left out.
std::string Counted(AttributeStatistic statistic, std::string_view text, const Strip& strip = {});

using platform::test::TempFolder;

}  // namespace chgu::test
