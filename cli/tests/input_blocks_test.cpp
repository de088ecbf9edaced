// The tools read a file in blocks and convert each as it comes, a large one
// in two halves at once: whatever the blocks, the text must be the whole
// file's, with the characters that stand across a block's end or the
// halves' meeting (a code page 936 lead byte, a UTF-8 sequence, whole or cut
// short) converted as in one piece.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli/tool_io.h"
#include "platform/codepage.h"
#include "temp_folder.h"
#include "whole_input.h"

namespace {

using platform::test::TempFolder;

// Tip text in both encodings, and what neither reads whole.
std::string MixedText(std::size_t pieces) {
    static const char* const kPieces[] = {"05,",  "12 ",      "鼠",  "\xCA\xF3",
                                          "\xCA", "\xE9\xBC", "😀",   "\xB0\xB0\xB0",
                                          "\r\n", "\x80",     "合单"};
    std::mt19937 random(49);
    std::string text;
    for (std::size_t i = 0; i < pieces; ++i)
        text += kPieces[random() % std::size(kPieces)];
    return text;
}

TEST(InputBlocks, EveryBlockSizeGivesTheWholeFilesText) {
    // Blocks of a few bytes, and blocks of 256 KiB and more, which are
    // converted in halves.
    const struct {
        std::size_t pieces;
        std::vector<std::size_t> blocks;
    } files[] = {{3000, {1, 2, 3, 5, 4093}}, {200000, {1u << 18, 1u << 20}}};
    for (const auto& [pieces, blocks] : files) {
        const std::string text = "\xEF\xBB\xBF" + MixedText(pieces);
        const TempFolder folder;
        const std::string file = folder.Write("tips.txt", text).string();
        for (const std::size_t block : blocks) {
            std::string error;
            for (const cli::Encoding encoding : {cli::Encoding::kUtf8, cli::Encoding::kGbk}) {
                EXPECT_EQ(cli::ReadInputAsGbk(file, encoding, error, block),
                          cli::test::DecodeAsGbk(text, encoding))
                    << "blocks of " << block;
                EXPECT_EQ(cli::ReadInputAsUtf16(file, encoding, error, block),
                          cli::test::DecodeAsUtf16(text, encoding))
                    << "blocks of " << block;
            }
            EXPECT_EQ(error, "");
        }
    }
}

TEST(InputBlocks, Utf16InAnyBlocksKeepsItsPairsWhole) {
    using namespace std::string_literals;
    // 鼠05😀 CR LF and an odd last byte, after each byte-order mark and, with
    // --encoding utf-16, without one.
    const std::string little =
        "\x20\x9F"
        "0\0"
        "5\0"
        "\x3D\xD8\x00\xDE"
        "\r\0\n\0"
        "5"s;
    const std::string big =
        "\x9F\x20"
        "\0"
        "0"
        "\0"
        "5"
        "\xD8\x3D\xDE\x00"
        "\0\r\0\n"
        "5"s;
    const struct {
        std::string bytes;
        cli::Encoding encoding;
    } files[] = {{"\xFF\xFE" + little, cli::Encoding::kUtf8},
                 {"\xFE\xFF" + big, cli::Encoding::kGbk},
                 {little, cli::Encoding::kUtf16}};
    const TempFolder folder;
    for (const auto& [bytes, encoding] : files) {
        const std::string file = folder.Write("unicode.txt", bytes).string();
        for (const std::size_t block : {1, 2, 3, 5, 4093}) {
            std::string error;
            EXPECT_EQ(cli::ReadInputAsUtf16(file, encoding, error, block), u"鼠05😀\r\n\uFFFD")
                << "blocks of " << block;
            EXPECT_EQ(cli::ReadInputAsGbk(file, encoding, error, block),
                      "\xCA\xF3"
                      "05?\r\n?")
                << "blocks of " << block;
            EXPECT_EQ(error, "");
        }
    }
}

TEST(InputBlocks, AShortFileAndAMissingOne) {
    const TempFolder folder;
    std::string error;
    for (const char* bytes : {"", "\xEF", "\xEF\xBB", "\xEF\xBB\xBF",
                              "\xEF\xBB\xBF"
                              "5"}) {
        const std::string file = folder.Write("short.txt", bytes).string();
        EXPECT_EQ(cli::ReadInputAsUtf16(file, cli::Encoding::kUtf8, error, 1),
                  cli::test::DecodeAsUtf16(bytes, cli::Encoding::kUtf8));
    }
    const std::string missing = (folder.path() / "missing.txt").string();
    EXPECT_EQ(cli::ReadInputAsGbk(missing, cli::Encoding::kUtf8, error), std::nullopt);
    EXPECT_EQ(error.rfind("cannot open '" + missing + "': ", 0), 0u) << error;
}

}  // namespace
