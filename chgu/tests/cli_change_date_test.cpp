// chgu-cli's change date as a script meets it: given for one run, saved as
// 更改 saves it, and the one line on standard error when the number
// statistic counts with a table year that may not be the one meant. Every
// run here starts with no change date stored.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_program.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using platform::test::ProgramRun;

#ifdef _WIN32
// chgu-cli started from these tests keeps its change date under a key of
// this process's own, removed when they end, so that a date stored in the
// Wine prefix (by chgu.exe, say) never reaches them; elsewhere each run has
// a configuration folder of its own.
class OwnChangeDateKey : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_TRUE(SetEnvironmentVariableA("CHGU_CHANGE_DATE_KEY", key_.c_str()));
    }
    void TearDown() override {
        for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            RegDeleteKeyA(root, key_.c_str());
        }
    }

  private:
    std::string key_ = "Software\\ChguCliTest" + std::to_string(GetCurrentProcessId());
};

const auto* const kOwnChangeDateKey = ::testing::AddGlobalTestEnvironment(new OwnChangeDateKey);
#endif

ProgramRun RunCli(const std::vector<std::string>& arguments) {
    return platform::test::RunProgram(CHGU_CLI_PATH, arguments, "鼠 马 05");
}

// The report of the number statistic in a table year given as it is.
std::string ReportIn(const std::string& TableYear) {
    const ProgramRun run = RunCli({"number", "--table-year", TableYear});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    return run.out;
}

TEST(ChguCliChangeDate, CountsWithTheGivenOrSavedDateAndSaysWhenTheYearMayNotBeMeant) {
    struct Case {
        std::vector<std::string> arguments;
        std::string TableYear;  // as --table-year would give the same report
        std::string notice;     // the line on standard error, if any
    };
    // The years hold on any day from 2008 to 2998; the build's year tables
    // (YearTables.txt beside chgu-cli) run to 2040.
    const Case cases[] = {
        {{"number"},
         "2006",
         "chgu-cli: no change date stored: counting with table year 2006 of 2006年01月29日 (see "
         "--change-date and --save-change-date)"},
        {{"number", "--change-date", "2008年02月07日"}, "2008", ""},
        // Saved first, then read back as the window's start reads it.
        {{"number", "--save-change-date", "3000年01月01日"},
         "2999",
         "chgu-cli: no zodiac and element tables for table year 2999: animals and elements name "
         "no number (see --table-year and --year-tables)"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments.back();
        EXPECT_EQ(run.out, ReportIn(c.TableYear)) << c.arguments.back();
        EXPECT_EQ(platform::test::OneErrorLine(run), c.notice) << c.arguments.back();
    }
}

}  // namespace
