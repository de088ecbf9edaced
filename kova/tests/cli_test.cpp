// kova-cli run as a user runs it: code page 936 bytes in and out, a file
// as Notepad writes it, standard streams that fail. What it shares with
// chgu-cli (mistakes, help, unreadable files) is tested on both in
// cli_tests, its worked examples in every format in cli_formats_test.cpp.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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

}  // namespace

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
