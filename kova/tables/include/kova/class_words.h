// The class words of program A: the words of every attribute class in their
// fixed order, as code page 936 bytes. The 1-based class index i of a word
// (its counter slot and its place among equal counts in the attribute
// reports) is element i - 1 of its list.
//
// The scanner copies a fixed number of bytes at each position, so the byte
// length of each word matters: a Chinese character is two bytes, a digit one.
#pragma once

#include <array>
#include <string_view>

namespace kova {

inline constexpr std::array<std::string_view, 12> ZodiacNames = {
    "\xCA\xF3" /* 鼠 */, "\xC5\xA3" /* 牛 */, "\xBB\xA2" /* 虎 */, "\xCD\xC3" /* 兔 */,
    "\xC1\xFA" /* 龙 */, "\xC9\xDF" /* 蛇 */, "\xC2\xED" /* 马 */, "\xD1\xF2" /* 羊 */,
    "\xBA\xEF" /* 猴 */, "\xBC\xA6" /* 鸡 */, "\xB9\xB7" /* 狗 */, "\xD6\xED" /* 猪 */,
};

inline constexpr std::array<std::string_view, 5> HeadNames = {
    "0\xCD\xB7" /* 0头 */, "1\xCD\xB7" /* 1头 */, "2\xCD\xB7" /* 2头 */,
    "3\xCD\xB7" /* 3头 */, "4\xCD\xB7" /* 4头 */,
};

inline constexpr std::array<std::string_view, 10> TailNames = {
    "0\xCE\xB2" /* 0尾 */, "1\xCE\xB2" /* 1尾 */, "2\xCE\xB2" /* 2尾 */, "3\xCE\xB2" /* 3尾 */,
    "4\xCE\xB2" /* 4尾 */, "5\xCE\xB2" /* 5尾 */, "6\xCE\xB2" /* 6尾 */, "7\xCE\xB2" /* 7尾 */,
    "8\xCE\xB2" /* 8尾 */, "9\xCE\xB2" /* 9尾 */,
};

inline constexpr std::array<std::string_view, 5> ElementNames = {
    "\xBD\xF0" /* 金 */, "\xC4\xBE" /* 木 */, "\xCB\xAE" /* 水 */,
    "\xBB\xF0" /* 火 */, "\xCD\xC1" /* 土 */,
};

inline constexpr std::array<std::string_view, 13> DigitSumNames = {
    "1\xBA\xCF" /* 1合 */,   "2\xBA\xCF" /* 2合 */,   "3\xBA\xCF" /* 3合 */,
    "4\xBA\xCF" /* 4合 */,   "5\xBA\xCF" /* 5合 */,   "6\xBA\xCF" /* 6合 */,
    "7\xBA\xCF" /* 7合 */,   "8\xBA\xCF" /* 8合 */,   "9\xBA\xCF" /* 9合 */,
    "10\xBA\xCF" /* 10合 */, "11\xBA\xCF" /* 11合 */, "12\xBA\xCF" /* 12合 */,
    "13\xBA\xCF" /* 13合 */,
};

inline constexpr std::array<std::string_view, 3> WaveNames = {
    "\xBA\xEC" /* 红 */,
    "\xC2\xCC" /* 绿 */,
    "\xC0\xB6" /* 蓝 */,
};

inline constexpr std::array<std::string_view, 2> BigSmallNames = {
    "\xB4\xF3" /* 大 */,
    "\xD0\xA1" /* 小 */,
};

inline constexpr std::array<std::string_view, 2> OddEvenNames = {
    "\xB5\xA5" /* 单 */,
    "\xCB\xAB" /* 双 */,
};

inline constexpr std::array<std::string_view, 2> SumOddEvenNames = {
    "\xBA\xCF\xB5\xA5" /* 合单 */,
    "\xBA\xCF\xCB\xAB" /* 合双 */,
};

inline constexpr std::array<std::string_view, 7> SegmentNames = {
    "\xD2\xBB\xB6\xCE" /* 一段 */, "\xB6\xFE\xB6\xCE" /* 二段 */, "\xC8\xFD\xB6\xCE" /* 三段 */,
    "\xCB\xC4\xB6\xCE" /* 四段 */, "\xCE\xE5\xB6\xCE" /* 五段 */, "\xC1\xF9\xB6\xCE" /* 六段 */,
    "\xC6\xDF\xB6\xCE" /* 七段 */,
};

// Words that name numbers without being a class of an attribute statistic.
inline constexpr std::array<std::string_view, 2> SumBigSmallNames = {
    "\xBA\xCF\xB4\xF3" /* 合大 */,
    "\xBA\xCF\xD0\xA1" /* 合小 */,
};
// The other way of writing 蓝: the number statistics reads it as blue.
inline constexpr std::string_view kBlueAlias = "\xC0\xBC" /* 兰 */;

}  // namespace kova
