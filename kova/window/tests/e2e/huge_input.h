// Inputs far beyond what a user types: a pasted tip text of a megabyte and
// a way to compare such texts without printing them whole on a failure.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>

namespace e2e {

// Tip text of at least `gbk_bytes` bytes in code page 936, built from a fixed
// seed: numbers 01..49, zodiac animals and other class words, separators and
// CR LF line breaks. Every character has a code page 936 form, so the text
// survives program A's conversions unchanged.
inline std::u16string HugeTipText(std::size_t gbk_bytes, unsigned seed) {
    static constexpr std::array<std::u16string_view, 20> kWords = {
        u"鼠", u"牛", u"虎", u"兔", u"龙", u"蛇", u"马", u"羊", u"猴", u"鸡",
        u"狗", u"猪", u"红", u"蓝双", u"3头", u"9尾", u"金", u"合单", u"【猪】", u"3次"};
    static constexpr std::array<std::u16string_view, 5> kSeparators = {u",", u" ", u"、", u"。",
                                                                       u"\r\n"};
    std::mt19937 random(seed);
    std::u16string text;
    std::size_t bytes = 0;
    const auto add = [&](std::u16string_view piece) {
        text += piece;
        for (const char16_t c : piece) {
            bytes += c < 0x80 ? 1 : 2;
        }
    };
    while (bytes < gbk_bytes) {
        if (random() % 3 != 0) {
            const auto number = static_cast<char16_t>(1 + random() % 49);
            add(std::u16string{static_cast<char16_t>(u'0' + number / 10),
                               static_cast<char16_t>(u'0' + number % 10)});
        } else {
            add(kWords[random() % kWords.size()]);
        }
        add(kSeparators[random() % kSeparators.size()]);
    }
    return text;
}

// Equal texts, or where they first differ.
inline ::testing::AssertionResult SameText(std::u16string_view actual,
                                           std::u16string_view expected) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
        ++at;
    }
    return ::testing::AssertionFailure()
           << actual.size() << " characters against " << expected.size()
           << " expected, first different at " << at;
}

}  // namespace e2e
