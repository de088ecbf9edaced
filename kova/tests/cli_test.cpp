// kova-cli run as a user runs it: text in, report out, errors on standard
// error with exit status 2 and nothing on standard output.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/codepage.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Quoted(const std::string& text) {
    return std::string(1, '"').append(text).append("\"");
}

std::string CliPath() {
    std::string path = KOVA_CLI_PATH;
#ifdef _WIN32
    if (path.starts_with("/")) {
        path.insert(0, "Z:");  // a cross build run under Wine: the build folder is on drive Z:
    }
#endif
    return path;
}

// Runs kova-cli with the arguments (already quoted where needed) and the
// bytes as its standard input.
CliRun RunCli(const std::string& arguments, const std::string& input) {
    // ctest runs every test as a process of its own, side by side: each gets
    // its own folder.
    const fs::path dir = fs::path(::testing::TempDir()) / "kova_cli_test" /
                         ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::create_directories(dir);
    WriteFile(dir / "in", input);
    std::string command = Quoted(CliPath());
    command.append(" ").append(arguments);
    command.append(" < ").append(Quoted((dir / "in").string()));
    command.append(" > ").append(Quoted((dir / "out").string()));
    command.append(" 2> ").append(Quoted((dir / "err").string()));
#ifdef _WIN32
    command = Quoted(command);  // cmd /c strips the outer quotes
#endif
    CliRun run;
    const int result = std::system(command.c_str());
#ifdef _WIN32
    run.status = result;
#else
    run.status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
#endif
    run.out = ReadFile(dir / "out");
    run.err = ReadFile(dir / "err");
    return run;
}

const std::string kReportOfRatAnd0512 =
    "共00次：01,02,03,04,06,07,09,10,11,13,14,15,16,17,18,19,21,22,23,24,25,26,27,28,29,30,31,33,"
    "34,35,36,37,38,39,40,41,42,43,45,46,47,48,49,（43码）\r\n"
    "共01次：05,08,12,20,32,44,（6码）\r\n";

void ExpectUsageError(const std::string& arguments, const std::string& message) {
    const CliRun run = RunCli(arguments, "05");
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;  // one line
}

}  // namespace

TEST(KovaCli, PrintsTheNumberReportWithCrLfInUtf8) {
    const CliRun run = RunCli("number --year 2003 --layout 2", "鼠 05 12");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kReportOfRatAnd0512);
    EXPECT_EQ(run.err, "");
}

TEST(KovaCli, TakesAndGivesCodePage936Bytes) {
    const CliRun run =
        RunCli("number --year 2003 --layout 2 --encoding gbk", platform::Utf8ToGbk("鼠 05 12"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, platform::Utf8ToGbk(kReportOfRatAnd0512));
}

TEST(KovaCli, ReadsAFileWithByteOrderMarkAndLfLineBreaks) {
    const fs::path file = fs::path(::testing::TempDir()) / "kova_cli_tips.txt";
    WriteFile(file, "\uFEFF鼠牛\n鼠\n");  // a byte order mark first, as Notepad writes
    const CliRun run = RunCli("zodiac " + Quoted(file.string()), "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              " 生肖统计结果：\r\n"
              "【共00次】：虎,兔,龙,蛇,马,羊,猴,鸡,狗,猪,\r\n"
              "【共01次】：牛,\r\n"
              "【共02次】：鼠,\r\n");
}

TEST(KovaCli, RejectsBadCommandLinesAndUnreadableFiles) {
    ExpectUsageError("numbers", "unknown statistic 'numbers'");
    ExpectUsageError("number --year 2011", "--year must be a year from 2003 to 2010");
    ExpectUsageError("number --year soon", "--year must be a year from 2003 to 2010");
    ExpectUsageError("zodiac --year 2005", "--year applies only to the number statistic");
    ExpectUsageError("number --fast", "unknown option '--fast'");
    const fs::path missing = fs::path(::testing::TempDir()) / "kova_cli_no_such_file.txt";
    ExpectUsageError("number " + Quoted(missing.string()), "cannot open");
    ExpectUsageError("number " + Quoted(fs::path(::testing::TempDir()).string()), "cannot ");
}

TEST(KovaCli, HelpGoesToStandardOutput) {
    const CliRun run = RunCli("--help", "");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Usage: kova-cli STATISTIC"), std::string::npos);
    EXPECT_EQ(run.err, "");
}
