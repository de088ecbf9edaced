// The converters take texts in pieces of 4096 units and those in blocks of
// 64 bytes, and the last bytes of a text another path. Every conversion must
// give what the converters first written one character at a time give, byte
// for byte: on random texts of every kind of byte, and with the sequences
// that a boundary could cut placed across every boundary.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "codepage_reference.h"
#include "platform/codepage.h"

namespace {

// Where two converted texts first differ, or "" when they do not: the texts
// are long, and the place says more than both of them.
template <typename Text>
std::string FirstDifference(const Text& fast, const Text& reference) {
    const auto [at, _] =
        std::mismatch(fast.begin(), fast.end(), reference.begin(), reference.end());
    if (at == fast.end() && fast.size() == reference.size()) return "";
    return "differs at unit " + std::to_string(at - fast.begin()) + " of " +
           std::to_string(fast.size()) + " (the reference has " + std::to_string(reference.size()) +
           ")";
}

// Each of the six conversions, of the text read as UTF-8 or code page 936
// and of the text's bytes read in pairs as UTF-16.
void ExpectSameAsReference(const std::string& bytes) {
    namespace reference = platform::reference;
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) << 8 |
                                         static_cast<unsigned char>(bytes[2 * i + 1]));
    }
    ASSERT_EQ(FirstDifference(platform::Utf8ToUtf16(bytes), reference::Utf8ToUtf16(bytes)), "")
        << "Utf8ToUtf16";
    ASSERT_EQ(FirstDifference(platform::Utf8ToGbk(bytes), reference::Utf8ToGbk(bytes)), "")
        << "Utf8ToGbk";
    ASSERT_EQ(FirstDifference(platform::GbkToUtf16(bytes), reference::GbkToUtf16(bytes)), "")
        << "GbkToUtf16";
    ASSERT_EQ(FirstDifference(platform::GbkToUtf8(bytes), reference::GbkToUtf8(bytes)), "")
        << "GbkToUtf8";
    ASSERT_EQ(FirstDifference(platform::Utf16ToUtf8(units), reference::Utf16ToUtf8(units)), "")
        << "Utf16ToUtf8";
    ASSERT_EQ(FirstDifference(platform::Utf16ToGbk(units), reference::Utf16ToGbk(units)), "")
        << "Utf16ToGbk";
}

// Pieces of tip texts in UTF-8 and code page 936, characters of two bytes
// and those whose second byte has a narrower range (E0, ED, F0, F4), and
// what neither encoding reads whole: lead bytes without their trail, cut and
// overlong UTF-8, encoded surrogates, bytes that start nothing, U+0000.
const std::vector<std::string> kPieces = {"05,",
                                          "12 ",
                                          "鼠",
                                          "合单",
                                          "、",
                                          "\r\n",
                                          "０５",
                                          "€",
                                          "é",
                                          "अ",
                                          "힣",
                                          "😀",
                                          "\xF4\x8F\xBF\xBF",
                                          "\xCA\xF3",
                                          "\xB0\xB0\xB0",
                                          "\x81\x40",
                                          "\xFE\xFE",
                                          "\xCA",
                                          "\x80",
                                          "\xFF",
                                          "\xE9\xBC",
                                          "\xC0\xAF",
                                          "\xE0\x80\x80",
                                          "\xED\xA0\x80",
                                          "\xF0\x80\x80\x80",
                                          "\xF4\x90\x80\x80",
                                          "\xBF",
                                          std::string(1, '\0'),
                                          "\xD8\x3D\xDE\x00",
                                          "\xDC\x00"};

std::string RandomText(std::mt19937& random, std::size_t pieces) {
    std::string text;
    for (std::size_t i = 0; i < pieces; ++i)
        text += kPieces[random() % kPieces.size()];
    return text;
}

}  // namespace

TEST(CodepagePaths, RandomTextsOfEveryLengthConvertAsTheReference) {
    std::mt19937 random(936);
    for (int round = 0; round < 600; ++round) {
        // Up to a few hundred bytes, and now and then past a piece.
        const std::size_t pieces = round % 20 == 0 ? 2500 : random() % 120;
        ASSERT_NO_FATAL_FAILURE(ExpectSameAsReference(RandomText(random, pieces)))
            << "round " << round;
    }
}

TEST(CodepagePaths, RandomBytesConvertAsTheReference) {
    std::mt19937 random(20);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(random() % 300, '\0');
        // Mostly bytes above 0x80, where the lead and trail bytes lie.
        for (char& b : bytes)
            b = static_cast<char>(random() % 3 == 0 ? random() % 0x80 : 0x80 | random());
        ASSERT_NO_FATAL_FAILURE(ExpectSameAsReference(bytes)) << "round " << round;
    }
}

// A sequence that a boundary could cut, at every place around the end of a
// block (64), of the last whole block before the end of the text (80 bytes
// from it), of a piece (4096) and of the text.
TEST(CodepagePaths, SequencesAcrossEveryBoundaryConvertAsTheReference) {
    const std::vector<std::string> cut = {
        "\xCA\xF3",              // 鼠 in code page 936: its lead byte last in a block
        "\xCA",                  // a lead byte alone
        "\xB0\xB0\xB0\xB0\xB0",  // bytes that are lead and trail alike, pairing from the first
        "鼠",                    // three bytes of UTF-8
        "😀",                     // four
        "\xE9\xBC",              // three bytes cut short
        "\xD8\x3D\xDE\x00",      // a surrogate pair as UTF-16
    };
    for (const std::string& sequence : cut) {
        for (const std::size_t boundary : {64, 128, 4096, 8192}) {
            for (std::size_t before = boundary - 5; before <= boundary + 2; ++before) {
                for (const std::size_t after : {0, 1, 79, 80, 81, 200}) {
                    // Filler of both widths, so that a character of either
                    // encoding can end just before the sequence.
                    std::string text;
                    while (text.size() < before)
                        text += text.size() % 7 == 3 ? "\xCA\xF3" : "5";
                    text.resize(before);
                    text += sequence + std::string(after, ',');
                    ASSERT_NO_FATAL_FAILURE(ExpectSameAsReference(text))
                        << "sequence at " << before << ", " << after << " bytes after it";
                }
            }
        }
    }
}

// A text read in blocks: every block size, so that each sequence of the text
// (a code page 936 lead byte, a UTF-8 character, either cut short) stands
// across a block's end somewhere; what a call leaves goes before the next
// block, as the command-line tools do.
TEST(CodepagePaths, BlocksOfEverySizeConvertAsTheWholeText) {
    std::mt19937 random(2026);
    for (int round = 0; round < 40; ++round) {
        const std::string text = RandomText(random, 1 + random() % 60);
        for (std::size_t block = 1; block <= 12; ++block) {
            std::string gbk;
            std::u16string from_utf8;
            std::u16string from_gbk;
            std::string left[3];
            for (std::size_t at = 0; at < text.size(); at += block) {
                const bool last = at + block >= text.size();
                const std::string piece = text.substr(at, block);
                left[0] += piece;
                left[0].erase(0, platform::AppendUtf8AsGbk(gbk, left[0], last));
                left[1] += piece;
                left[1].erase(0, platform::AppendUtf8AsUtf16(from_utf8, left[1], last));
                left[2] += piece;
                left[2].erase(0, platform::AppendGbkAsUtf16(from_gbk, left[2], last));
            }
            ASSERT_EQ(gbk, platform::Utf8ToGbk(text)) << "blocks of " << block;
            ASSERT_EQ(from_utf8, platform::Utf8ToUtf16(text)) << "blocks of " << block;
            ASSERT_EQ(from_gbk, platform::GbkToUtf16(text)) << "blocks of " << block;
            EXPECT_TRUE(left[0].empty() && left[1].empty() && left[2].empty());
        }
    }
}
