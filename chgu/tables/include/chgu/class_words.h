// The class words of every attribute family, in the order the reports list
// them, and the character tests every scan shares.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace chgu {

inline constexpr std::array<std::u16string_view, 12> kAnimalWords = {
    u"鼠", u"牛", u"虎", u"兔", u"龙", u"蛇", u"马", u"羊", u"猴", u"鸡", u"狗", u"猪"};
inline constexpr std::array<std::u16string_view, 5> kElementWords = {u"金", u"木", u"水", u"火",
                                                                     u"土"};
inline constexpr std::array<std::u16string_view, 5> kHeadWords = {u"0头", u"1头", u"2头", u"3头",
                                                                  u"4头"};
inline constexpr std::array<std::u16string_view, 10> kTailWords = {
    u"0尾", u"1尾", u"2尾", u"3尾", u"4尾", u"5尾", u"6尾", u"7尾", u"8尾", u"9尾"};
inline constexpr std::array<std::u16string_view, 3> kColourWords = {u"红", u"绿", u"蓝"};
inline constexpr std::array<std::u16string_view, 13> kDigitSumWords = {
    u"1合", u"2合", u"3合",  u"4合",  u"5合",  u"6合", u"7合",
    u"8合", u"9合", u"10合", u"11合", u"12合", u"13合"};
inline constexpr std::array<std::u16string_view, 2> kSizeWords = {u"大", u"小"};
inline constexpr std::array<std::u16string_view, 2> kParityWords = {u"单", u"双"};
inline constexpr std::array<std::u16string_view, 14> kCompoundWords = {
    u"合单", u"合双", u"合大", u"合小", u"大单", u"小单", u"大双",
    u"小双", u"红单", u"红双", u"绿单", u"绿双", u"蓝单", u"蓝双"};
// 合单 合双 and the six half-waves are runs of the compound words.
inline constexpr std::span<const std::u16string_view> kSumParityWords{kCompoundWords.data(), 2};
inline constexpr std::span<const std::u16string_view> kHalfWaveWords{kCompoundWords.data() + 8, 6};

// A character of a scanning window, or kNoCharacter before the text starts.
inline constexpr char32_t kNoCharacter = 0x110000;

// Only the ASCII digits are digits; the full-width ones are not.
constexpr bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

constexpr int DigitValue(char32_t c) {
    return static_cast<int>(c - U'0');
}

// Where word stands in words, compared exactly.
constexpr std::optional<std::size_t> IndexOfWord(std::span<const std::u16string_view> words,
                                                 std::u16string_view word) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == word) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace chgu
