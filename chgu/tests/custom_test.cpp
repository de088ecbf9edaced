// The custom attribute file Define.txt: its lines and what each inserts.
#include <gtest/gtest.h>

#include <random>

#include "chgu/custom_attributes.h"
#include "platform/codepage.h"
#include "test_support.h"

namespace chgu {
namespace {

using test::TempFolder;
using test::U16;
using test::U8;

std::vector<std::string> Loaded(const TempFolder& folder) {
    std::vector<std::string> lines;
    for (const std::u16string& line : LoadCustomAttributes(folder.path())) {
        lines.push_back(U8(line));
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(DefineFile, ListsNonEmptyLinesInFileOrder) {
    TempFolder folder;
    folder.Write("Define.txt",
                 platform::Utf8ToGbk("禽畜|牛马羊鸡狗猪\r\n\r\n野兽|鼠虎兔龙蛇猴\r\n"));
    EXPECT_EQ(Loaded(folder), (Lines{"禽畜|牛马羊鸡狗猪", "野兽|鼠虎兔龙蛇猴"}));
}

TEST(DefineFile, LineEndsAndLinesOfSpaces) {
    TempFolder folder;
    folder.Write("Define.txt", "a|1\r\rb|2\rc|3\n   \r\nd|4");
    EXPECT_EQ(Loaded(folder), (Lines{"a|1", "b|2", "c|3", "   ", "d|4"}));
}

// Whatever Notepad saved: the list shows the same lines. A code page 936
// file whose bytes happen to be valid UTF-8 ("a|牛" is also "a|ţ") stays
// code page 936.
TEST(DefineFile, ReadInTheEncodingItWasSavedIn) {
    const std::string lines = "禽畜|牛马羊鸡狗猪\r\na|牛";
    std::string utf16le = "\xFF\xFE";
    for (const char16_t c : U16(lines)) {
        utf16le.push_back(static_cast<char>(c & 0xFF));
        utf16le.push_back(static_cast<char>(c >> 8));
    }
    for (const std::string& bytes :
         {platform::Utf8ToGbk(lines), lines, "\xEF\xBB\xBF" + lines, utf16le}) {
        TempFolder folder;
        folder.Write("Define.txt", bytes);
        EXPECT_EQ(Loaded(folder), (Lines{"禽畜|牛马羊鸡狗猪", "a|牛"}));
    }
    TempFolder folder;
    folder.Write("Define.txt", platform::Utf8ToGbk("a|牛"));
    EXPECT_EQ(U8(MembersOf(LoadCustomAttributes(folder.path()).at(0))), "牛");
}

TEST(DefineFile, HundredThousandLinesAllReachTheList) {
    TempFolder folder;
    std::string file;
    for (int i = 0; i < 100000; ++i) {
        file += platform::Utf8ToGbk("属性" + std::to_string(i) + "|鼠牛" +
                                    std::to_string(i % 49 + 1) + "\r\n");
    }
    folder.Write("Define.txt", file);
    const std::vector<std::u16string> lines = LoadCustomAttributes(folder.path());
    ASSERT_EQ(lines.size(), 100000u);
    EXPECT_EQ(U8(lines.front()), "属性0|鼠牛1");
    EXPECT_EQ(U8(lines.back()), "属性99999|鼠牛40");
    EXPECT_EQ(U8(MembersOf(lines.back())), "鼠牛40");
}

// Whatever the bytes, no line is empty or holds a line break; and lines of
// code page 936 text, mixed with breaks of every kind and empty lines, hold
// the whole text but its breaks.
TEST(DefineFile, LinesAreNeverEmptyAndHoldTheWholeTextButItsBreaks) {
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(1 + random() % 5000, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random());
        }
        TempFolder folder;
        folder.Write("Define.txt", bytes);
        for (const std::u16string& line : LoadCustomAttributes(folder.path())) {
            ASSERT_FALSE(line.empty());
            ASSERT_EQ(line.find_first_of(u"\r\n"), std::u16string::npos);
        }
    }

    // Code page 936 bytes and the text they stand for.
    const struct {
        std::string_view bytes;
        std::u16string_view text;
    } pieces[] = {{"\xCA\xF3", u"鼠"}, {"\xC5\xA3", u"牛"}, {"\x80", u"€"}, {"|", u"|"},
                  {"05", u"05"},       {" ", u" "},         {"\r", u""},    {"\n", u""}};
    for (int round = 0; round < 20; ++round) {
        std::string bytes = "\xCA\xF3";  // never UTF-8, so read as code page 936
        std::u16string expected = u"鼠";
        for (int count = 0; count < 2000; ++count) {
            const auto& piece = pieces[random() % std::size(pieces)];
            bytes += piece.bytes;
            expected += piece.text;
        }
        TempFolder folder;
        folder.Write("Define.txt", bytes);
        std::u16string joined;
        for (const std::u16string& line : LoadCustomAttributes(folder.path())) {
            joined += line;
        }
        EXPECT_EQ(joined, expected);
    }
}

TEST(DefineFile, NameMatchedWithoutRegardToCase) {
    TempFolder folder;
    folder.Write("DEFINE.TXT", "野兽|鼠虎兔龙蛇猴");
    EXPECT_EQ(Loaded(folder), (Lines{"野兽|鼠虎兔龙蛇猴"}));
#ifndef _WIN32
    // Where names differ in case, two such files can stand side by side:
    // the exact name wins, else the first in name order.
    folder.Write("define.txt", "a|1");
    EXPECT_EQ(Loaded(folder), (Lines{"野兽|鼠虎兔龙蛇猴"}));
    folder.Write("Define.txt", "b|2");
    EXPECT_EQ(Loaded(folder), (Lines{"b|2"}));
#endif
}

TEST(DefineFile, NoFileOrAFolderOfThatNameGivesNoList) {
    TempFolder folder;
    EXPECT_TRUE(Loaded(folder).empty());
    std::filesystem::create_directory(folder.path() / "define.txt");
    EXPECT_TRUE(Loaded(folder).empty());
    EXPECT_TRUE(LoadCustomAttributes(folder.path() / "missing").empty());
}

TEST(MembersOf, EverythingAfterTheLastBar) {
    EXPECT_EQ(U8(MembersOf(U16("禽畜|牛马羊鸡狗猪"))), "牛马羊鸡狗猪");
    EXPECT_EQ(U8(MembersOf(u"a|b|c")), "c");
    EXPECT_EQ(U8(MembersOf(u"no bar")), "");
    EXPECT_EQ(U8(MembersOf(u"|")), "");
    EXPECT_EQ(U8(MembersOf(U16("禽畜｜牛马"))), "");  // full-width bar
}

}  // namespace
}  // namespace chgu
