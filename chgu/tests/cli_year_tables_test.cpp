// chgu-cli with --year-tables: the generator's file read back by the tool
// (under Wine in the Windows build); a faulty file is an error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac_years.h"
#include "reference_model.h"
#include "run_program.h"
#include "test_support.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace chgu {
namespace {

using platform::test::ProgramRun;
using test::kNumberButton;
using test::TempFolder;
using test::U16;
using test::U8;

ProgramRun RunCli(const std::vector<std::string>& arguments, const std::string& input) {
    return platform::test::RunProgram(CHGU_CLI_PATH, arguments, input);
}

TEST(ChguCliYearTables, GeneratedFileReadsBackThroughTheTool) {
    const TempFolder folder;
    const std::string file = (folder.path() / "YearTables.txt").string();
    const ProgramRun generated =
        platform::test::RunProgram(YEAR_TABLES_PATH, {"2011", "2040", file}, "");
    ASSERT_EQ(generated.status, 0) << generated.err;

    reference::Settings almanac;
    for (const yeartables::test::WrittenYear& year : yeartables::test::AlmanacYears()) {
        almanac.added[year.year] = {year.animal, year.element};
    }
    // The file's years, one past them and a built-in one.
    for (const char* year : {"2011", "2026", "2040", "2041", "2008"}) {
        almanac.table_year = U16(year);
        for (const auto& [statistic, Index] :
             {std::pair{"number", kNumberButton}, std::pair{"zodiac", std::int16_t{1}}}) {
            // The table year is the number statistic's alone.
            std::vector<std::string> arguments{statistic, "--year-tables", file};
            if (Index == kNumberButton) {
                arguments.insert(arguments.end(), {"--table-year", year});
            }
            const ProgramRun run = RunCli(arguments, "马,火,鸡 3次金");
            ASSERT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(run.out, U8(reference::Press(Index, u"马,火,鸡 3次金", almanac)))
                << year << " " << statistic;
        }
    }
}

TEST(ChguCliYearTables, AFaultyFileIsTheErrorWithItsLine) {
    const TempFolder folder;
    const std::string twice = yeartables::GeneratedYearTables(2011, 2011) + "\r\n" +
                              U8(yeartables::FormatYearLine(yeartables::StandardYearRow(2011)));
    const std::string file = folder.Write("YearTables.txt", twice).string();
    const ProgramRun run = RunCli({"number", "--year-tables", file, "--table-year", "2008"}, "05");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(platform::test::OneErrorLine(run),
              "chgu-cli: 年份表文件“" + file +
                  "”第 8 行有错：年份要从 2011 年起逐年连续，这一行应是 2012 年，"
                  "却是 2011 年。");

    const ProgramRun missing =
        RunCli({"number", "--year-tables", (folder.path() / "none.txt").string()}, "05");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("无法读取年份表文件"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace chgu
