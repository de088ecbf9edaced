// kova-cli run as a user runs it: text in, report out, errors on standard
// error with exit status 2 and nothing on standard output.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "failing_streams.h"
#include "platform/codepage.h"
#include "run_program.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

using platform::test::ProgramRun;
using platform::test::TempFolder;

// Runs kova-cli with the arguments and the bytes as its standard input.
ProgramRun RunCli(const std::vector<std::string>& arguments, const std::string& input) {
    return platform::test::RunProgram(KOVA_CLI_PATH, arguments, input);
}

const std::string kReportOfRatAnd0512 =
    "共00次：01,02,03,04,06,07,09,10,11,13,14,15,16,17,18,19,21,22,23,24,25,26,27,28,29,30,31,33,"
    "34,35,36,37,38,39,40,41,42,43,45,46,47,48,49,（43码）\r\n"
    "共01次：05,08,12,20,32,44,（6码）\r\n";

void ExpectUsageError(const std::vector<std::string>& arguments, const std::string& message) {
    const ProgramRun run = RunCli(arguments, "05");
    EXPECT_EQ(run.status, 2) << message;
    EXPECT_EQ(run.out, "") << message;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;  // one line
}

}  // namespace

TEST(KovaCli, PrintsTheNumberReportWithCrLfInUtf8) {
    const ProgramRun run = RunCli({"number", "--year", "2003", "--layout", "2"}, "鼠 05 12");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kReportOfRatAnd0512);
    EXPECT_EQ(run.err, "");
}

TEST(KovaCli, TakesAndGivesCodePage936Bytes) {
    const ProgramRun run =
        RunCli({"number", "--year", "2003", "--layout", "2", "--encoding", "gbk"},
               platform::Utf8ToGbk("鼠 05 12"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, platform::Utf8ToGbk(kReportOfRatAnd0512));
}

TEST(KovaCli, ReadsAFileWithByteOrderMarkAndLfLineBreaks) {
    const TempFolder folder;
    // A byte order mark first, as Notepad writes.
    const fs::path file = folder.Write("tips.txt", "\uFEFF鼠牛\n鼠\n");
    const ProgramRun run = RunCli({"zodiac", file.string()}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              " 生肖统计结果：\r\n"
              "【共00次】：虎,兔,龙,蛇,马,羊,猴,鸡,狗,猪,\r\n"
              "【共01次】：牛,\r\n"
              "【共02次】：鼠,\r\n");
}

TEST(KovaCli, RejectsBadCommandLinesAndUnreadableFiles) {
    ExpectUsageError({"numbers"}, "unknown statistic 'numbers'");
    ExpectUsageError({"number", "--year", "2011"}, "--year must be a year from 2003 to 2010");
    ExpectUsageError({"number", "--year", "soon"}, "--year must be a year from 2003 to 2010");
    ExpectUsageError({"zodiac", "--year", "2005"}, "--year does not apply to zodiac");
    ExpectUsageError({"number", "--fast"}, "unknown option '--fast'");
    const TempFolder folder;
    ExpectUsageError({"number", (folder.path() / "no-such-file.txt").string()}, "cannot open");
    ExpectUsageError({"number", folder.path().string()}, "cannot ");
}

TEST(KovaCli, HelpGoesToStandardOutput) {
    const ProgramRun run = RunCli({"--help"}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Usage: kova-cli STATISTIC"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

TEST(KovaCli, FailingStandardStreamsAreErrors) {
    platform::test::ExpectFailingStreamsAreErrors(KOVA_CLI_PATH, "kova-cli",
                                                  {"number", "--year", "2003"});
}
