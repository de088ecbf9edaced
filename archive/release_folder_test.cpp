// The release folder as the archive holds it: its seven files and nothing
// else, programs without test hooks, the year tables the generator writes,
// a Define.txt whose examples program B lists, and a read-me that every
// Notepad shows right.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "chgu/custom_attributes.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace {

namespace fs = std::filesystem;

fs::path Folder() {
    std::string path = RELEASE_FOLDER;
    // Under Wine the build folder is a Unix path, reached through Z:.
    if (path.starts_with("/")) {
        path.insert(0, "Z:");
    }
    return path;
}

std::string Bytes(const char* name) {
    return platform::ReadWholeFile(Folder() / name).value_or("<unreadable>");
}

TEST(ReleaseFolder, HoldsTheSevenFilesAndNothingElse) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(Folder())) {
        names.insert(entry.path().filename().string() + (entry.is_directory() ? "/" : ""));
    }
    EXPECT_EQ(names, (std::set<std::string>{"Define.txt", "YearTables.txt", "chgu.exe", "kova.exe",
                                            "readme.txt", "tipstat.html", "year-tables.exe"}));
}

// The hooks by which tests move today's date and the stored settings are
// in no released program: a player's environment cannot move either.
TEST(ReleaseFolder, ProgramsHoldNoTestHook) {
    for (const char* program : {"kova.exe", "chgu.exe"}) {
        const std::string bytes = Bytes(program);
        ASSERT_GT(bytes.size(), 100000u) << program;
        for (const char* hook : {"TIPSTAT_TODAY", "CHGU_CHANGE_DATE_KEY", "KOVA_SETTINGS_KEY"}) {
            EXPECT_EQ(bytes.find(hook), std::string::npos) << hook << " in " << program;
        }
    }
}

TEST(ReleaseFolder, YearTablesAreTheGeneratorsOf2011To2040AndReadWithoutFault) {
    EXPECT_EQ(Bytes("YearTables.txt"), yeartables::GeneratedYearTables(2011, 2040));
    const yeartables::LoadResult loaded = yeartables::LoadYearTablesBeside(Folder());
    EXPECT_FALSE(loaded.fault.has_value());
    EXPECT_EQ(loaded.years.LastYear(), 2040);
}

TEST(ReleaseFolder, DefineTxtListsItsGbkExamplesInProgramB) {
    EXPECT_EQ(Bytes("Define.txt"),
              "\xC7\xDD\xD0\xF3|\xC5\xA3\xC2\xED\xD1\xF2\xBC\xA6\xB9\xB7\xD6\xED\r\n"
              "\xD2\xB0\xCA\xDE|\xCA\xF3\xBB\xA2\xCD\xC3\xC1\xFA\xC9\xDF\xBA\xEF\r\n");
    EXPECT_EQ(chgu::LoadCustomAttributes(Folder()),
              (std::vector<std::u16string>{u"禽畜|牛马羊鸡狗猪", u"野兽|鼠虎兔龙蛇猴"}));
}

TEST(ReleaseFolder, ReadMeIsUtf8WithAByteOrderMarkAndCrLfLineEnds) {
    const std::string bytes = Bytes("readme.txt");
    ASSERT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
    const std::u16string text = platform::Utf8ToUtf16(bytes.substr(3));
    EXPECT_EQ(text.find(platform::kReplacementCharacter), std::u16string::npos);
    std::size_t line_ends = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            EXPECT_EQ(bytes.substr(i, 2), "\r\n") << "at byte " << i;
            ++line_ends;
            ++i;
        }
    }
    EXPECT_GT(line_ends, 10u);
}

}  // namespace
