// Control identifiers of program A's windows, shared by the program and its
// end-to-end tests, which find the controls by them. Each window has its own
// range.
#pragma once

namespace kova::ids {

// The main window TForm1: 1000..1999.
inline constexpr int kEdit3 = 1001;
inline constexpr int kUpDown1 = 1002;
inline constexpr int kGroupBox1 = 1003;
inline constexpr int kRadioButton3 = 1004;
inline constexpr int kRadioButton4 = 1005;
inline constexpr int kLabel1 = 1006;
inline constexpr int kEdit4 = 1007;
inline constexpr int kLabel10 = 1008;
inline constexpr int kButton61 = 1009;
inline constexpr int kButton66 = 1010;
inline constexpr int kMemo1 = 1011;
inline constexpr int kMemo2 = 1012;
inline constexpr int kButton62 = 1013;
inline constexpr int kEdit1 = 1014;
inline constexpr int kLabel2 = 1015;
inline constexpr int kEdit2 = 1016;
inline constexpr int kLabel9 = 1017;
inline constexpr int kCheckBox1 = 1018;  // 繁体字也统计

// The statistics buttons below the input box.
inline constexpr int kButton60 = 1020;
inline constexpr int kButton7 = 1021;
inline constexpr int kButton63 = 1022;
inline constexpr int kButton64 = 1023;
inline constexpr int kButton65 = 1024;
inline constexpr int kButton8 = 1025;
inline constexpr int kBitBtn56 = 1026;
inline constexpr int kBitBtn57 = 1027;
inline constexpr int kBitBtn58 = 1028;
inline constexpr int kBitBtn59 = 1029;
inline constexpr int kBitBtn60 = 1030;
inline constexpr int kButton9 = 1031;

// The 56 attribute buttons, row by row and left to right from 红 to 合双:
// attribute button i (1-based) is kAttributeButton1 + i - 1.
inline constexpr int kAttributeButton1 = 1101;
inline constexpr int kAttributeButtonCount = 56;

// The number page.
inline constexpr int kLabel3 = 1201;    // Label3..Label8: kLabel3 + 0..5
inline constexpr int kBitBtn50 = 1211;  // the half-wave buttons BitBtn50..BitBtn55
inline constexpr int kRadioGroup1 = 1220;
inline constexpr int kRadioButton1 = 1221;
inline constexpr int kRadioButton2 = 1222;
inline constexpr int kButton68 = 1223;
inline constexpr int kButton67 = 1224;
// Number button n ("01".."49") is kBitBtn1 + n - 1.
inline constexpr int kBitBtn1 = 1301;

}  // namespace kova::ids
