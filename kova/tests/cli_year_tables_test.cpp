// kova-cli with --year-tables: the file the generator writes, read back by
// the tool (under Wine in the Windows build); --year and its default follow
// the file's years; a faulty file is an error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "almanac_years.h"
#include "cli/year_tables_option.h"
#include "cli_options.h"
#include "platform/codepage.h"
#include "reference_model.h"
#include "run_program.h"
#include "table_year_choice.h"
#include "temp_folder.h"
#include "tool_copy.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace {

namespace fs = std::filesystem;

using kova::cli::ParsedCommandLine;
using platform::test::ProgramRun;

// The release's file, as the generator program writes it.
const fs::path& GeneratedFile() {
    static const platform::test::TempFolder folder;
    static const fs::path file = [] {
        const fs::path path = folder.path() / "YearTables.txt";
        const ProgramRun run =
            platform::test::RunProgram(YEAR_TABLES_PATH, {"2011", "2040", path.string()}, "");
        EXPECT_EQ(run.status, 0) << run.err;
        return path;
    }();
    return file;
}

// The year of a command line on a day of today_year, with the tables of
// the generated file: its error, or the year as text.
std::string YearOf(const std::vector<std::string>& arguments, int today_year) {
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    const ParsedCommandLine parsed = kova::cli::ParseCommandLine(views);
    EXPECT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kRun) << parsed.error;
    const yeartables::LoadResult loaded = ::cli::ReadYearTables(parsed.options.year_tables, {});
    EXPECT_FALSE(loaded.fault);
    const kova::cli::TableYearChoice choice =
        kova::cli::ChooseTableYear(parsed.options, kova::YearTables(loaded.years), today_year);
    return choice.error.empty() ? std::to_string(choice.year) : choice.error;
}

TEST(KovaCliYearTables, GeneratedFileReadsBackThroughTheTool) {
    const std::string file = GeneratedFile().string();
    kova::reference::AddedYears almanac;
    for (const yeartables::test::WrittenYear& year : yeartables::test::AlmanacYears()) {
        almanac[year.year] = {year.animal, year.element};
    }
    for (const auto& [year, text] : {std::pair{"2026", "马 火 金 05"}, std::pair{"2040", "猴 金"},
                                     std::pair{"2011", "兔 土 土"}}) {
        const ProgramRun run = platform::test::RunProgram(
            KOVA_CLI_PATH, {"number", "--year-tables", file, "--year", year}, text);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, platform::GbkToUtf8(kova::reference::NumberReport(
                               platform::Utf8ToGbk(text), std::stoi(year), true, almanac)))
            << year;
    }
}

TEST(KovaCliYearTables, YearAndItsDefaultRunToTheFilesLastYear) {
    const std::string file = GeneratedFile().string();
    EXPECT_EQ(YearOf({"number", "--year-tables", file}, 2026), "2026");
    EXPECT_EQ(YearOf({"number", "--year-tables=" + file}, 2050), "2040");
    EXPECT_EQ(YearOf({"number", "--year-tables", file}, 1999), "2003");
    EXPECT_EQ(YearOf({"number", "--year", "2040", "--year-tables", file}, 2026), "2040");
    EXPECT_EQ(YearOf({"number", "--year", "2041", "--year-tables", file}, 2026),
              "--year must be a year from 2003 to 2040, not '2041' (see --help)");
}

TEST(KovaCliYearTables, ThisYearWithoutItsTablesIsSaidOnce) {
    // A copy with no YearTables.txt beside it: this year (any from 2011 on)
    // has no tables, and the number statistic counts with 2010's.
    const cli::test::ToolCopy kova(KOVA_CLI_PATH);
    const ProgramRun run = kova.Run({"number"}, "马 05");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              platform::test::RunProgram(KOVA_CLI_PATH, {"number", "--year", "2010"}, "马 05").out);
    const std::string line = platform::test::OneErrorLine(run);
    EXPECT_TRUE(line.starts_with("kova-cli: no zodiac and element tables for 2")) << line;
    EXPECT_TRUE(line.ends_with(": counting with those of 2010 (see --year and --year-tables)"))
        << line;
}

TEST(KovaCliYearTables, AFaultyFileIsTheErrorWithItsLine) {
    const std::string generated = yeartables::GeneratedYearTables(2011, 2012);
    const std::string with_gap =
        generated +
        platform::Utf16ToUtf8(yeartables::FormatYearLine(yeartables::StandardYearRow(2014)));
    const platform::test::TempFolder folder;
    const fs::path file = folder.Write("gap.txt", with_gap);
    const ProgramRun run = platform::test::RunProgram(
        KOVA_CLI_PATH, {"number", "--year-tables", file.string(), "--year", "2011"}, "马");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(platform::test::OneErrorLine(run),
              "kova-cli: 年份表文件“" + file.string() +
                  "”第 8 行有错：年份要从 2011 年起逐年连续，这一行应是 2013 年，"
                  "却是 2014 年。");

    const ProgramRun missing = platform::test::RunProgram(
        KOVA_CLI_PATH, {"zodiac", "--year-tables", (folder.path() / "none.txt").string()}, "");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("无法读取年份表文件"), std::string::npos) << missing.err;
}

}  // namespace
