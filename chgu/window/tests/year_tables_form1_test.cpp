// Form1 started with YearTables.txt beside the program, without it, and with
// a file that has a fault, on controls held in memory.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "form1_window.h"
#include "platform/text_file.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace chgu {
namespace {

// chgu.exe started from the folder on a day, with a change date stored.
struct StartedProgram : test::Form1Window {
    StartedProgram(std::string_view stored_date, platform::LocalDate today_date)
        : Form1Window(today_date) {
        store.bytes = platform::Utf8ToGbk(stored_date);
    }

    // 码统计 on text: the line of the numbers named once, "" when none is.
    std::string NamedOnce(std::string_view text) {
        const std::string report = Report(text);
        const std::size_t start = report.find("共01次:");
        return start == std::string::npos
                   ? ""
                   : report.substr(start, report.find("\r\n", start) - start);
    }

    // "更改" with a date typed into Text3, on another day.
    void Change(std::string_view date, platform::LocalDate on) {
        today = on;
        SetText("Text3", date);
        Click("Command3");
    }

    std::string YearTablesFile() const {
        return (folder.path() / yeartables::kYearTablesFileName).string();
    }
};

std::string Line(int year) {
    return platform::Utf16ToUtf8(yeartables::FormatYearLine(yeartables::StandardYearRow(year)));
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from << " in " << text;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The player of the release: the file of 2011..2040 and the change date
// 2026年02月17日, on 2026-03-01.
TEST(ChguForm1WithYearTables, EveryPressCountsTheFilesTableYears) {
    StartedProgram program("2026年02月17日", {2026, 3, 1});
    program.folder.Write(yeartables::kYearTablesFileName,
                         yeartables::GeneratedYearTables(2011, 2040));
    program.Open();
    EXPECT_TRUE(program.Messages().empty());
    EXPECT_EQ(program.TableYear(), "2026");
    EXPECT_EQ(program.NamedOnce("马"), "共01次:01,13,25,37,49,（5码）");
    EXPECT_EQ(program.NamedOnce("火"), "共01次:02,03,10,11,18,19,32,33,40,41,48,49,（12码）");
    EXPECT_EQ(program.NamedOnce("金"), "共01次:04,05,12,13,26,27,34,35,42,43,（10码）");

    // Read once at start: the tables stay for the run, also after "更改".
    std::filesystem::remove(program.YearTablesFile());
    program.Change("2027年02月06日", {2027, 3, 1});
    EXPECT_EQ(program.NamedOnce("马"), "共01次:02,14,26,38,（4码）");  // 2027 is 羊
    program.Change("2008年02月07日", {2027, 3, 1});
    EXPECT_EQ(program.NamedOnce("马"), "共01次:07,19,31,43,（4码）");  // built in, as ever
    program.Change("2041年01月01日", {2041, 3, 1});
    EXPECT_EQ(program.NamedOnce("马"), "");  // past the file
    EXPECT_TRUE(program.Messages().empty());
}

TEST(ChguForm1WithYearTables, WithoutTheFileTableYearsAfter2010CountNoAnimals) {
    StartedProgram program("2026年02月17日", {2026, 3, 1});
    program.Open();
    EXPECT_TRUE(program.Messages().empty());
    EXPECT_EQ(program.NamedOnce("马 05"), "共01次:05,（1码）");
    EXPECT_EQ(program.NamedOnce("火"), "");
    program.Change("2010年02月14日", {2026, 3, 1});
    EXPECT_EQ(program.NamedOnce("马"), "共01次:09,21,33,45,（4码）");
}

// A file with a fault is not used: one message names the file, the line and
// the fault; the built-in years and everything else work.
TEST(ChguForm1WithYearTables, AFaultyFileIsToldOnceAndTheBuiltInYearsWork) {
    StartedProgram program("2026年02月17日", {2026, 3, 1});
    program.folder.Write(
        yeartables::kYearTablesFileName,
        Line(2011) + "\r\n" + Line(2012) + "\r\n\r\n" + Replaced(Line(2013), "|蛇|", "|猫|"));
    program.Open();
    const std::vector<std::string> told = {
        "年份表文件“" + program.YearTablesFile() +
        "”第 4 行有错：生肖“猫”不是鼠牛虎兔龙蛇马羊猴鸡狗猪中的一个。"};
    EXPECT_EQ(program.Messages(), told);
    EXPECT_EQ(program.window->Messages()[0].icon, platform::MessageIcon::kError);
    program.form->Form_Activate();
    EXPECT_EQ(program.Messages(), told);
    // The start-up sequence went on: the stored date, the custom list.
    EXPECT_EQ(program.Text("Text3"), "2026年02月17日");
    EXPECT_EQ(program.Text("Combo1"), "自定义");

    EXPECT_EQ(program.NamedOnce("马 05"), "共01次:05,（1码）");  // 2011..2013 are not read
    program.Change("2012年01月23日", {2026, 3, 1});
    EXPECT_EQ(program.NamedOnce("马"), "");
    program.Change("2008年02月07日", {2026, 3, 1});
    EXPECT_EQ(program.NamedOnce("鼠"), "共01次:01,13,25,37,49,（5码）");
    EXPECT_EQ(program.Messages(), told);
}

// A Define.txt larger than any written by hand is not read: the list stays
// empty and one message box says so, once.
TEST(ChguForm1WithYearTables, ADefineTxtOfMoreThan4MbIsToldOnce) {
    StartedProgram program("2026年02月17日", {2026, 3, 1});
    const std::filesystem::path file = program.folder.Write("Define.txt", "");
    std::filesystem::resize_file(file, platform::kHandWrittenFileLimit + 1);
    program.Open();
    const std::vector<std::string> told = {"文件“" + file.string() +
                                           "”大于 4 MB，不是手写的文本文件，没有读取。"};
    EXPECT_EQ(program.Messages(), told);
    program.form->Form_Activate();
    EXPECT_EQ(program.Messages(), told);
    EXPECT_TRUE(program.window->ListItems("Combo1").empty());
}

}  // namespace
}  // namespace chgu
