// TForm1 started with YearTables.txt beside the program, without it, and
// with a file that has a fault, in the in-memory window.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "kova/window/form1.h"
#include "platform/codepage.h"
#include "platform/memory_form.h"
#include "temp_folder.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace kova {
namespace {

namespace fs = std::filesystem;

std::u16string U16(std::string_view utf8) {
    return platform::Utf8ToUtf16(utf8);
}

// The window as kova.exe opens it from the folder, on a day of today_year.
struct OpenedWindow {
    OpenedWindow(const fs::path& folder, int today_year) : form(folder), window(form.Layout()) {
        form.Attach(window);
        form.FormCreate(today_year);
        form.FormShow();
    }

    int Year() { return window.Find("UpDown1").Position(); }
    std::u16string YearBox() { return window.Find("Edit3").Text(); }
    // The arrow clicked `times` times in one direction; the year reached.
    int ArrowTimes(int step, int times) {
        for (int i = 0; i < times; ++i) {
            window.ClickArrow("UpDown1", step);
        }
        return Year();
    }
    // 码统计 on text in 排列方式2: the line of the numbers named once.
    std::u16string NamedOnce(std::u16string_view text) {
        window.Find("Memo1").SetText(text);
        window.Click("RadioButton4");
        window.Click("Button60");
        const std::u16string report = window.Find("Memo2").Text();
        const std::size_t start = report.find(u"共01次：");
        return start == std::u16string::npos
                   ? u""
                   : report.substr(start, report.find(u"\r\n", start) - start);
    }

    TForm1 form;
    platform::MemoryForm window;
};

// The release's file: the selector runs to 2040, the window opens at
// today's year with its animal, and 码统计 takes that year's tables.
TEST(Form1WithYearTables, OpensAtTodaysYearOfTheFileAndCountsByItsTables) {
    const platform::test::TempFolder folder;
    folder.Write(yeartables::kYearTablesFileName, yeartables::GeneratedYearTables(2011, 2040));

    const struct {
        int today, position;
        std::u16string year_box;
    } starts[] = {
        {2026, 2026, u" 2026(马)年"},
        {2011, 2011, u" 2011(兔)年"},
        {2040, 2040, u" 2040(猴)年"},
        {2008, 2008, u" 2008(鼠)年"},  // a built-in year as before
        {2041, 2040, u""},             // past the file: its last year, no text
        {1999, 2003, u""},
    };
    for (const auto& start : starts) {
        OpenedWindow opened(folder.path(), start.today);
        EXPECT_EQ(opened.Year(), start.position) << start.today;
        EXPECT_EQ(opened.YearBox(), start.year_box) << start.today;
        EXPECT_TRUE(opened.window.Messages().empty()) << start.today;
    }

    OpenedWindow opened(folder.path(), 2026);
    EXPECT_EQ(opened.NamedOnce(u"马"), u"共01次：01,13,25,37,49,（5码）");
    EXPECT_EQ(opened.NamedOnce(u"火"), u"共01次：02,03,10,11,18,19,32,33,40,41,48,49,（12码）");
    // The arrows run to the file's last year and stop there, each year with
    // its caption; down again through the built-in years to 2003.
    EXPECT_EQ(opened.ArrowTimes(+1, 20), 2040);
    EXPECT_EQ(opened.YearBox(), u" 2040(猴)年");
    EXPECT_EQ(opened.NamedOnce(u"猴"), u"共01次：01,13,25,37,49,（5码）");
    EXPECT_EQ(opened.ArrowTimes(-1, 30), 2010);
    EXPECT_EQ(opened.YearBox(), u" 2010(虎)年");
    EXPECT_EQ(opened.NamedOnce(u"鼠"), u"共01次：03,15,27,39,（4码）");
    EXPECT_EQ(opened.ArrowTimes(-1, 10), 2003);
    EXPECT_EQ(opened.YearBox(), u" 2003(羊)年");
}

// Without the file the window is the window of the built-in tables: today's
// year held within 2003..2010, the year box empty outside them.
TEST(Form1WithYearTables, WithoutTheFileEveryStartIsAsBefore) {
    const platform::test::TempFolder folder;
    const struct {
        int today, position;
        std::u16string year_box;
    } starts[] = {
        {1990, 2003, u""},
        {2002, 2003, u""},
        {2003, 2003, u" 2003(羊)年"},
        {2008, 2008, u" 2008(鼠)年"},
        {2010, 2010, u" 2010(虎)年"},
        {2011, 2010, u""},
        {2026, 2010, u""},
        {2050, 2010, u""},
    };
    for (const auto& start : starts) {
        OpenedWindow opened(folder.path(), start.today);
        EXPECT_EQ(opened.Year(), start.position) << start.today;
        EXPECT_EQ(opened.YearBox(), start.year_box) << start.today;
        EXPECT_TRUE(opened.window.Messages().empty()) << start.today;
    }
    OpenedWindow opened(folder.path(), 2026);
    EXPECT_EQ(opened.Year(), 2010);
    EXPECT_EQ(opened.YearBox(), u"");
    EXPECT_EQ(opened.ArrowTimes(+1, 1), 2010);
    EXPECT_EQ(opened.NamedOnce(u"马"), u"共01次：09,21,33,45,（4码）");  // 2010's 马
}

// A file with a fault is not used: one message box names the file, the line
// and the fault, and the window works with the built-in years.
TEST(Form1WithYearTables, AFaultyFileIsToldOnceAndTheBuiltInYearsWork) {
    const platform::test::TempFolder folder;
    // 2012 left out: the third line should be 2012.
    folder.Write(
        yeartables::kYearTablesFileName,
        "# 年份表\r\n" +
            platform::Utf16ToUtf8(yeartables::FormatYearLine(yeartables::StandardYearRow(2011))) +
            "\r\n" +
            platform::Utf16ToUtf8(yeartables::FormatYearLine(yeartables::StandardYearRow(2013))));
    OpenedWindow opened(folder.path(), 2026);
    ASSERT_EQ(opened.window.Messages().size(), 1u);
    EXPECT_EQ(opened.window.Messages()[0].text,
              u"年份表文件“" + U16((folder.path() / yeartables::kYearTablesFileName).string()) +
                  u"”第 3 行有错：年份要从 2011 年起逐年连续，这一行应是 2012 年，却是 2013 年。");
    EXPECT_EQ(opened.window.Messages()[0].icon, platform::MessageIcon::kError);
    opened.form.FormShow();
    EXPECT_EQ(opened.window.Messages().size(), 1u);

    EXPECT_EQ(opened.Year(), 2010);
    EXPECT_EQ(opened.YearBox(), u"");
    EXPECT_EQ(opened.ArrowTimes(+1, 1), 2010);
    EXPECT_EQ(opened.NamedOnce(u"鼠"), u"共01次：03,15,27,39,（4码）");
    EXPECT_EQ(opened.ArrowTimes(-1, 10), 2003);
    EXPECT_EQ(opened.YearBox(), u" 2003(羊)年");
}

}  // namespace
}  // namespace kova
