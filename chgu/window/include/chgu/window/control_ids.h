// Control identifiers of program B's windows, one numeric range per window
// and per control array; an array's identifier is its base plus the index.
#pragma once

namespace chgu::ids {

// Form1, the main window: 1000..1999.
inline constexpr int kText1 = 1001;  // input box
inline constexpr int kText2 = 1002;  // output box
inline constexpr int kText3 = 1003;  // change date
inline constexpr int kText5 = 1005;  // range box
inline constexpr int kCombo1 = 1006;
inline constexpr int kCheck1 = 1011;    // 方括内不统计
inline constexpr int kCheck2 = 1012;    // 次数累加统计
inline constexpr int kCheck3 = 1013;    // 繁体字也统计
inline constexpr int kOption1 = 1021;   // 短行排列
inline constexpr int kOption2 = 1022;   // 长行排列
inline constexpr int kCommand3 = 1030;  // 更改
inline constexpr int kCommand4 = 1040;  // 帮助
inline constexpr int kFrame1 = 1050;
inline constexpr int kLabel1 = 1061;
inline constexpr int kLabel2 = 1062;
inline constexpr int kLabel3 = 1063;
inline constexpr int kLabel4 = 1064;
inline constexpr int kCommand2 = 1100;  // + index 0..12
inline constexpr int kCommand1 = 1200;  // + index 0..70

// Form2, the number page: 2000..2999.
inline constexpr int kPageOption1 = 2001;  // 号码用
inline constexpr int kPageOption2 = 2002;  // 段数用
inline constexpr int kPageLabel1 = 2011;
inline constexpr int kPageLabel2 = 2012;
inline constexpr int kPageCommand1 = 2100;  // + number 1..49
inline constexpr int kPageCommand2 = 2200;  // 段 数
inline constexpr int kPageCommand3 = 2300;  // + remainder 0..2
inline constexpr int kPageCommand4 = 2400;  // + third 0..2

}  // namespace chgu::ids
