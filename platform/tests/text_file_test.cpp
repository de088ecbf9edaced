// Reading files that users save from Notepad in any of its encodings.
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/file_exists.h"
#include "temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {
namespace {

std::string Utf16Bytes(std::u16string_view text, bool big_endian) {
    std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t c : text) {
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        bytes += big_endian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

constexpr std::string_view kLine = "禽畜|牛马羊鸡狗猪";

TEST(TextFile, EveryEncodingNotepadSavesReadsAsTheSameText) {
    const std::u16string expected = Utf8ToUtf16(kLine);
    EXPECT_EQ(DecodeTextFile(Utf8ToGbk(kLine)), expected);
    EXPECT_EQ(DecodeTextFile(kLine), expected);
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF" + std::string(kLine)), expected);
    EXPECT_EQ(DecodeTextFile(Utf16Bytes(expected, false)), expected);
    EXPECT_EQ(DecodeTextFile(Utf16Bytes(expected, true)), expected);
}

TEST(TextFile, ByteOrderMarksAloneOrFollowedByFaults) {
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF"), u"");
    EXPECT_EQ(DecodeTextFile("\xFF\xFE"), u"");
    EXPECT_EQ(DecodeTextFile("\xFE\xFF"), u"");
    // An odd last byte of UTF-16 is one replacement character, nothing lost
    // before it.
    EXPECT_EQ(DecodeTextFile(Utf16Bytes(u"a|牛", false) + "x"), u"a|牛\uFFFD");
    EXPECT_EQ(DecodeTextFile(Utf16Bytes(u"a|牛", true) + "x"), u"a|牛\uFFFD");
    // After a UTF-8 mark the text stays UTF-8: invalid bytes become
    // replacement characters instead of switching the file to code page 936.
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF"
                             "a|\xC5\xA3\xFF牛"),
              u"a|ţ\uFFFD牛");
}

TEST(TextFile, CodePage936ThatHappensToBeValidUtf8StaysCodePage936) {
    // 牛 in code page 936 is C5 A3, which is also the UTF-8 form of "ţ".
    EXPECT_EQ(DecodeTextFile("a|\xC5\xA3"), u"a|牛");
    // Only two-byte UTF-8 forms: still code page 936.
    EXPECT_EQ(DecodeTextFile(Utf8ToGbk("牛马")), u"牛马");
    // One character above U+07FF makes valid UTF-8 text UTF-8, also with
    // two-byte forms beside it.
    EXPECT_EQ(DecodeTextFile("ţ|牛"), u"ţ|牛");
    // Plain ASCII reads the same either way.
    EXPECT_EQ(DecodeTextFile("a|05 12\r\n"), u"a|05 12\r\n");
}

TEST(TextFile, AHandWrittenFileOfMoreThan4MbIsNotRead) {
    const test::TempFolder folder;
    const std::filesystem::path file = folder.Write("Define.txt", "");
    std::filesystem::resize_file(file, kHandWrittenFileLimit);
    EXPECT_EQ(ReadHandWrittenFile(file).bytes, std::string(kHandWrittenFileLimit, '\0'));
    std::filesystem::resize_file(file, kHandWrittenFileLimit + 1);
    const HandWrittenFile larger = ReadHandWrittenFile(file);
    EXPECT_TRUE(larger.too_large);
    EXPECT_EQ(larger.bytes, std::nullopt);
    EXPECT_FALSE(ReadHandWrittenFile(folder.path() / "missing.txt").too_large);
    EXPECT_EQ(Utf16ToUtf8(TooLargeFileMessage(u"D:\\tips\\Define.txt")),
              "文件“D:\\tips\\Define.txt”大于 4 MB，不是手写的文本文件，没有读取。");
}

// A Define.txt or YearTables.txt that exists but cannot be read (here a
// folder of that name, which even root cannot read as a file) is no text.
TEST(TextFile, AFileThatExistsButCannotBeReadGivesNothing) {
    const test::TempFolder folder;
    const std::filesystem::path unreadable = folder.path() / "Define.txt";
    std::filesystem::create_directory(unreadable);
    EXPECT_EQ(ReadWholeFile(unreadable), std::nullopt);
    const HandWrittenFile read = ReadHandWrittenFile(unreadable);
    EXPECT_EQ(read.bytes, std::nullopt);
    EXPECT_FALSE(read.too_large);
}

TEST(FileExists, OnlyPlainFilesCount) {
    test::TempFolder folder;
    EXPECT_TRUE(FileExists(folder.Write("Define.txt", "")));
    EXPECT_FALSE(FileExists(folder.path()));
    EXPECT_FALSE(FileExists(folder.path() / "missing.txt"));
    EXPECT_FALSE(FileExists(folder.path() / "missing" / "Define.txt"));
#ifdef _WIN32
    const auto hidden = folder.Write("hidden.txt", "");
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(FileExists(hidden));
#else
    EXPECT_FALSE(FileExists(folder.Write(".hidden", "")));
#endif
}

}  // namespace
}  // namespace platform
