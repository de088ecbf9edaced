#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <random>

using platform::GbkToUtf16;
using platform::GbkToUtf8;
using platform::Utf16ToGbk;
using platform::Utf16ToUtf8;
using platform::Utf8ToGbk;
using platform::Utf8ToUtf16;

namespace {

std::string Bytes(std::initializer_list<unsigned> values) {
    std::string s;
    for (unsigned v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

}  // namespace

TEST(Codepage, ChineseWordsHaveTheirTwoByteForms) {
    EXPECT_EQ(Utf8ToGbk("鼠"), Bytes({0xCA, 0xF3}));
    EXPECT_EQ(Utf8ToGbk("牛"), Bytes({0xC5, 0xA3}));
    EXPECT_EQ(Utf8ToGbk("九："), Bytes({0xBE, 0xC5, 0xA3, 0xBA}));
    EXPECT_EQ(Utf8ToGbk("共01次"), Bytes({0xB9, 0xB2, '0', '1', 0xB4, 0xCE}));
    EXPECT_EQ(Utf16ToGbk(u"红a\r\n"), Bytes({0xBA, 0xEC, 'a', '\r', '\n'}));
    EXPECT_EQ(Utf8ToGbk("€"), Bytes({0x80}));
}

TEST(Codepage, RoundTripsEveryEncodableCharacter) {
    const std::string text = "鼠牛虎 01,02 【红单】〖蓝〗 合数单 ０１２ ｜ 2006年01月29日\r\n€";
    EXPECT_EQ(GbkToUtf8(Utf8ToGbk(text)), text);
    EXPECT_EQ(GbkToUtf16(Utf16ToGbk(Utf8ToUtf16(text))), Utf8ToUtf16(text));
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
}

TEST(Codepage, CharacterWithoutGbkFormBecomesOneQuestionMark) {
    EXPECT_EQ(Utf8ToGbk("a😀b"), "a?b");  // outside the BMP
    EXPECT_EQ(Utf8ToGbk("aءb"), "a?b");  // Arabic letter
    EXPECT_EQ(Utf16ToGbk(u"a\U0001F600b"), "a?b");
}

TEST(Codepage, InvalidUtf8BecomesReplacementAndKeepsTheRest) {
    EXPECT_EQ(Utf8ToUtf16(Bytes({'a', 0xFF, 'b'})), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16(Bytes({'a', 0xE9, 0xBC, 'b'})), u"a\uFFFDb");  // truncated 3-byte
    EXPECT_EQ(Utf8ToUtf16(Bytes({0xC0, 0xAF, 'x'})), u"\uFFFD\uFFFDx");  // overlong
    EXPECT_EQ(Utf8ToUtf16(Bytes({0xED, 0xA0, 0x80, 'x'})), u"\uFFFD\uFFFD\uFFFDx");  // surrogate
    EXPECT_EQ(Utf8ToUtf16(Bytes({'x', 0xF0, 0x9F})), u"x\uFFFD");  // cut at the end
    EXPECT_EQ(Utf8ToGbk(Bytes({'1', 0xFF, '2'})), "1?2");
}

TEST(Codepage, UnpairedSurrogatesBecomeReplacement) {
    const std::u16string lone_high = {u'a', char16_t(0xD83D), u'b'};
    const std::u16string lone_low = {char16_t(0xDE00), u'c'};
    EXPECT_EQ(Utf16ToUtf8(lone_high),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(Utf16ToUtf8(lone_low),
              "\xEF\xBF\xBD"
              "c");
    EXPECT_EQ(Utf16ToGbk(lone_high), "a?b");
}

TEST(Codepage, MalformedGbkNeverLosesTheRest) {
    EXPECT_EQ(GbkToUtf16(Bytes({'a', 0xCA})), u"a\uFFFD");  // truncated at the end
    EXPECT_EQ(GbkToUtf16(Bytes({0xCA, '1', 0xCA, 0xF3})),
              u"\uFFFD1鼠");  // stray lead before a digit
    EXPECT_EQ(GbkToUtf16(Bytes({0xFF, '1'})), u"\uFFFD1");
    EXPECT_EQ(GbkToUtf8(std::string("\0x", 2)), std::string("\0x", 2));
}

TEST(Codepage, RandomBytesConvertWithoutCrashing) {
    std::mt19937 random(936);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<size_t>(random() % 64), '\0');
        for (char& b : bytes)
            b = static_cast<char>(random());
        const std::u16string from_gbk = GbkToUtf16(bytes);
        const std::u16string from_utf8 = Utf8ToUtf16(bytes);
        EXPECT_LE(from_gbk.size(), bytes.size());
        EXPECT_LE(from_utf8.size(), bytes.size());
        // What GBK decoding produced encodes back to GBK and decodes to the same text.
        EXPECT_EQ(GbkToUtf16(Utf16ToGbk(from_gbk)).size(), from_gbk.size());
        EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(from_utf8)), from_utf8);
    }
}
