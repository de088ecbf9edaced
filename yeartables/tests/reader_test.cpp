// The year-tables reader on files as users write them, and on every kind of
// fault: each names the file, the line and what is wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/codepage.h"
#include "platform/text_file.h"
#include "temp_folder.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace yeartables {
namespace {

namespace fs = std::filesystem;

std::u16string U16(std::string_view utf8) {
    return platform::Utf8ToUtf16(utf8);
}
std::string U8(std::u16string_view utf16) {
    return platform::Utf16ToUtf8(utf16);
}

// The line of a year by the standard rules, in UTF-8.
std::string Line(int year) {
    return U8(FormatYearLine(StandardYearRow(year)));
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from << " in " << text;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

LoadResult Parse(std::string_view utf8) {
    return ParseYearTables(U16(utf8), u"YearTables.txt");
}

TEST(YearTablesReader, GeneratedFileReadsBackAsTheRules) {
    const LoadResult read = ParseYearTables(U16(GeneratedYearTables(2011, 2040)), u"x");
    ASSERT_FALSE(read.fault) << U8(*read.fault);
    ASSERT_EQ(read.years.rows.size(), 30u);
    EXPECT_EQ(read.years.LastYear(), 2040);
    for (int year = 2011; year <= 2040; ++year) {
        EXPECT_EQ(*read.years.Find(year), StandardYearRow(year)) << year;
    }
    EXPECT_EQ(read.years.Find(2010), nullptr);
    EXPECT_EQ(read.years.Find(2041), nullptr);
}

// What a user may do in Notepad: comments and blank lines anywhere, any line
// ends, the lists in another order, commas, one-digit numbers, full-width
// "|" and ":" from a Chinese input method, spaces around everything.
TEST(YearTablesReader, ReadsWhatAUserWritesByHand) {
    std::string by_hand = "# 我的年份表\r\n\r\n" + Line(2011) + "\n   \n\t# 2012 年\r";
    std::string row2012 = Line(2012);
    // Move the 金 list behind the 土 list.
    const std::size_t metal = row2012.find("|金:");
    const std::size_t wood = row2012.find("|木:");
    row2012 = row2012.substr(0, metal) + row2012.substr(wood) + row2012.substr(metal, wood - metal);
    row2012 = Replaced(row2012, "|", " ｜ ");
    row2012 = Replaced(row2012, "木:", "木 ： ");
    row2012 = Replaced(row2012, " 0", ",  ");  // "05 06" becomes "05,  6" somewhere
    by_hand += row2012 + "\r\n" + Line(2013) + "   ";
    const LoadResult read = Parse(by_hand);
    ASSERT_FALSE(read.fault) << U8(*read.fault);
    ASSERT_EQ(read.years.rows.size(), 3u);
    for (int year = 2011; year <= 2013; ++year) {
        EXPECT_EQ(*read.years.Find(year), StandardYearRow(year)) << year;
    }
}

TEST(YearTablesReader, AFileWithoutYearsAddsNone) {
    for (const char* text : {"", "\r\n", "# 只有说明\r\n\r\n"}) {
        const LoadResult read = Parse(text);
        EXPECT_FALSE(read.fault);
        EXPECT_EQ(read.years.LastYear(), 2010);
    }
}

// The same file saved by Notepad in each of its encodings.
TEST(YearTablesReader, ReadsEveryEncodingNotepadSaves) {
    const std::string utf8 = "# 年份表\r\n" + Line(2011) + "\r\n" + Line(2012) + "\r\n";
    std::u16string utf16 = U16(utf8);
    std::string utf16le = "\xFF\xFE";
    for (const char16_t unit : utf16) {
        utf16le += static_cast<char>(unit & 0xFF);
        utf16le += static_cast<char>(unit >> 8);
    }
    const std::pair<const char*, std::string> saved[] = {
        {"ansi.txt", platform::Utf8ToGbk(utf8)},
        {"utf8.txt", utf8},
        {"utf8bom.txt", "\xEF\xBB\xBF" + utf8},
        {"utf16.txt", utf16le},
    };
    const platform::test::TempFolder folder;
    for (const auto& [name, bytes] : saved) {
        const LoadResult read = ReadYearTablesFile(folder.Write(name, bytes));
        ASSERT_FALSE(read.fault) << name << ": " << U8(*read.fault);
        EXPECT_EQ(read.years.LastYear(), 2012) << name;
        EXPECT_EQ(*read.years.Find(2012), StandardYearRow(2012)) << name;
    }
}

struct FaultCase {
    const char* what;
    std::string text;
    int line;
    std::string message;  // the part after "第 N 行有错："
};

std::vector<FaultCase> FaultCases() {
    const std::string l2011 = Line(2011), l2012 = Line(2012), l2013 = Line(2013);
    const std::string good = l2011 + "\r\n";
    // By the rules 2011's 水 list starts "水:07 08 ".
    return {
        {"a gap", good + l2013, 2, "年份要从 2011 年起逐年连续，这一行应是 2012 年，却是 2013 年"},
        {"a year twice", good + l2011, 2,
         "年份要从 2011 年起逐年连续，这一行应是 2012 年，却是 2011 年"},
        {"not starting at 2011", "# 说明\r\n" + l2012, 2,
         "年份要从 2011 年起逐年连续，这一行应是 2011 年，却是 2012 年"},
        {"the built-in year 2010", Replaced(l2011, "2011|", "2010|"), 1,
         "2010 年及以前的表是程序内置的，不能写在文件里（这一行是 2010 年）"},
        {"a built-in year after the file's", good + Replaced(l2012, "2012|", "2003|"), 2,
         "2010 年及以前的表是程序内置的，不能写在文件里（这一行是 2003 年）"},
        {"a year of two digits", Replaced(l2011, "2011", "11"), 1, "年份“11”不是四位数字"},
        {"a number missing", Replaced(l2011, "水:07 ", "水:"), 1, "号码 07 不在任何五行里"},
        {"numbers missing", Replaced(l2011, "水:07 08 ", "水:"), 1, "号码 07、08 不在任何五行里"},
        {"a number in two lists", Replaced(l2011, "金:", "金:07 "), 1,
         "号码 07 既在“金”里，又在“水”里"},
        {"a number twice in one list", Replaced(l2011, "水:07", "水:07 7"), 1,
         "号码 07 在“水”里写了两次"},
        {"a number past 49", Replaced(l2011, "水:07", "水:07 50"), 1, "“50”不是 01 到 49 的号码"},
        {"a number that is no number", Replaced(l2011, "水:07", "水:07 l2"), 1,
         "“l2”不是 01 到 49 的号码"},
        {"an unknown animal", Replaced(l2011, "兔", "猫"), 1,
         "生肖“猫”不是鼠牛虎兔龙蛇马羊猴鸡狗猪中的一个"},
        {"two animals", Replaced(l2011, "兔", "兔虎"), 1,
         "生肖“兔虎”不是鼠牛虎兔龙蛇马羊猴鸡狗猪中的一个"},
        {"an unknown element", Replaced(l2011, "土:", "风:"), 1, "五行“风”不是金木水火土中的一个"},
        {"an element twice", Replaced(l2011, "土:", "金:"), 1, "五行“金”写了两次"},
        {"a list without its element", Replaced(l2011, "土:", ""), 1,
         "“05 06 13 14 …”缺少五行和冒号，应写成“金:04 05 12”这样"},
        {"a missing list", l2011.substr(0, l2011.find("|土:")), 1,
         "一行应有 7 项，用“|”隔开：年份|生肖|金:号码|木:号码|水:号码|火:号码|土:号码；"
         "这一行有 6 项"},
        {"no separators at all", good + "\n\n2012 龙 金:01", 4,
         "一行应有 7 项，用“|”隔开：年份|生肖|金:号码|木:号码|水:号码|火:号码|土:号码；"
         "这一行有 1 项"},
    };
}

TEST(YearTablesReader, EveryFaultNamesTheFileTheLineAndWhatIsWrong) {
    for (const FaultCase& fault : FaultCases()) {
        const LoadResult read = ParseYearTables(U16(fault.text), u"D:\\统计\\YearTables.txt");
        ASSERT_TRUE(read.fault) << fault.what;
        EXPECT_EQ(U8(*read.fault), "年份表文件“D:\\统计\\YearTables.txt”第 " +
                                       std::to_string(fault.line) + " 行有错：" + fault.message +
                                       "。")
            << fault.what;
        EXPECT_TRUE(read.years.rows.empty()) << fault.what;  // a faulty file is not used at all
    }
}

// Line numbers count every line, whatever ends it.
TEST(YearTablesReader, LineNumbersCountCommentsBlankLinesAndEveryLineEnd) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const std::string text =
            "# a" + std::string(end) + end + Line(2011) + end + "#" + end + Line(2013) + end;
        const LoadResult read = Parse(text);
        ASSERT_TRUE(read.fault);
        EXPECT_NE(U8(*read.fault).find("第 5 行"), std::string::npos) << U8(*read.fault);
    }
}

// What the user typed is quoted short and without control characters, so
// that the message stays one line.
TEST(YearTablesReader, QuotesOfTheUsersTextStayShortAndOnOneLine) {
    const LoadResult read = Parse(Replaced(Line(2011), "兔", "兔\x01\x1b" + std::string(40, 'x')));
    ASSERT_TRUE(read.fault);
    EXPECT_NE(U8(*read.fault).find("生肖“兔??xxxxxxxxx…”"), std::string::npos) << U8(*read.fault);
}

TEST(YearTablesReader, AFileThatCannotBeReadIsAFault) {
    const platform::test::TempFolder folder;
    const fs::path missing = folder.path() / "no-such-year-tables.txt";
    const LoadResult read = ReadYearTablesFile(missing);
    ASSERT_TRUE(read.fault);
    EXPECT_EQ(U8(*read.fault), "无法读取年份表文件“" + missing.string() + "”。");
    EXPECT_TRUE(ReadYearTablesFile(folder.path()).fault);  // a folder
}

TEST(YearTablesReader, AFileOfMoreThan4MbIsAFaultNamingIt) {
    const platform::test::TempFolder folder;
    const fs::path file = folder.Write("YearTables.txt", "");
    fs::resize_file(file, platform::kHandWrittenFileLimit + 1);
    const LoadResult read = ReadYearTablesFile(file);
    ASSERT_TRUE(read.fault);
    EXPECT_EQ(U8(*read.fault),
              "文件“" + file.string() + "”大于 4 MB，不是手写的文本文件，没有读取。");
}

TEST(YearTablesReader, BesideTheProgramNoFileIsNoFault) {
    const platform::test::TempFolder temp;
    const fs::path& folder = temp.path();
    LoadResult read = LoadYearTablesBeside(folder);
    EXPECT_FALSE(read.fault);
    EXPECT_EQ(read.years.LastYear(), 2010);

    std::ofstream(folder / kYearTablesFileName, std::ios::binary) << Line(2011) << "\r\n";
    read = LoadYearTablesBeside(folder);
    EXPECT_FALSE(read.fault);
    EXPECT_EQ(read.years.LastYear(), 2011);

    std::ofstream(folder / kYearTablesFileName, std::ios::binary) << Line(2012) << "\r\n";
    read = LoadYearTablesBeside(folder);
    ASSERT_TRUE(read.fault);
    EXPECT_NE(U8(*read.fault).find((folder / kYearTablesFileName).string()), std::string::npos);
    EXPECT_EQ(read.years.LastYear(), 2010);
    const std::optional<std::u16string> fault = read.fault;
    EXPECT_EQ(read.TakeFault(), fault);
    EXPECT_FALSE(read.TakeFault());  // told once

    // A program that cannot tell its folder does not read the current one.
    std::ofstream(folder / kYearTablesFileName, std::ios::binary) << Line(2011) << "\r\n";
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    read = LoadYearTablesBeside({});
    fs::current_path(before);
    EXPECT_FALSE(read.fault);
    EXPECT_EQ(read.years.LastYear(), 2010);
}

}  // namespace
}  // namespace yeartables
