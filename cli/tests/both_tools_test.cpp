// kova-cli and chgu-cli side by side, as a script author tries them: the
// same mistake gets the same one-line message and exit status 2 from both,
// and what both tools do (help, version, the end of the options, the input)
// they do alike.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "count_reading.h"
#include "platform/codepage.h"
#include "run_program.h"
#include "temp_folder.h"
#include "tool_copy.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace {

using platform::test::ProgramRun;
using platform::test::RunProgram;

struct Tool {
    const char* name;
    const char* path;
    // An option of the number statistic alone, given with its value.
    std::vector<std::string> number_option;
    const char* year_option;  // the number statistic's year
};

const Tool kTools[] = {
    {"kova-cli", KOVA_CLI_PATH, {"--layout", "2"}, "--year"},
    {"chgu-cli", CHGU_CLI_PATH, {"--short-lines"}, "--table-year"},
};

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Mistake {
    std::vector<std::string> arguments;
    std::string message;              // after "tool: "
    bool with_number_option = false;  // the tool's number option appended
};

void ExpectRefusedAlike(const std::vector<Mistake>& mistakes) {
    for (const Mistake& mistake : mistakes) {
        for (const Tool& tool : kTools) {
            const std::vector<std::string> arguments =
                mistake.with_number_option ? Joined(mistake.arguments, tool.number_option)
                                           : mistake.arguments;
            const ProgramRun run = RunProgram(tool.path, arguments, "05");
            std::string message = mistake.message;
            if (const auto at = message.find("{option}"); at != std::string::npos) {
                message.replace(at, 8, tool.number_option[0]);
            }
            EXPECT_EQ(run.status, 2) << tool.name << " " << mistake.message;
            EXPECT_EQ(run.out, "") << tool.name << " " << mistake.message;
            EXPECT_EQ(platform::test::OneErrorLine(run), std::string(tool.name) + ": " + message);
        }
    }
}

TEST(BothTools, StatisticListMistakes) {
    ExpectRefusedAlike({
        {{}, "no STATISTIC given (see --help)"},
        {{"--encoding", "gbk"}, "no STATISTIC given (see --help)"},
        {{"numbers"}, "unknown statistic 'numbers' (see --help)"},
        {{"number,numbers,zodiac"}, "unknown statistic 'numbers' (see --help)"},
        {{"Number"}, "unknown statistic 'Number' (see --help)"},
        {{""}, "empty statistic in the list '' (see --help)"},
        {{"number,"}, "empty statistic in the list 'number,' (see --help)"},
        {{",zodiac"}, "empty statistic in the list ',zodiac' (see --help)"},
        {{"number,,zodiac"}, "empty statistic in the list 'number,,zodiac' (see --help)"},
        {{"all,number"}, "all stands alone, not in a list of statistics (see --help)"},
        {{"zodiac,tail,zodiac"}, "statistic 'zodiac' named twice (see --help)"},
    });
}

TEST(BothTools, OptionMistakes) {
    ExpectRefusedAlike({
        {{"number", "--format", "xml"},
         "--format must be report, csv or json, not 'xml' (see --help)"},
        {{"number", "--format=CSV"},
         "--format must be report, csv or json, not 'CSV' (see --help)"},
        {{"number", "--format"}, "--format needs a value (see --help)"},
        {{"number", "--format="}, "--format needs a value (see --help)"},
        // The empty "--format=" takes csv; the option left without a value
        // is the last.
        {{"number", "--format=", "csv", "--encoding"}, "--encoding needs a value (see --help)"},
        {{"number", "--format", "csv", "--format", "json"},
         "--format given more than once (see --help)"},
        {{"number", "--pretty"}, "--pretty applies only to --format json (see --help)"},
        {{"number", "--format", "csv", "--pretty"},
         "--pretty applies only to --format json (see --help)"},
        {{"number", "--format", "json", "--pretty=yes"}, "--pretty takes no value (see --help)"},
        {{"number", "--version=1"}, "--version takes no value (see --help)"},
        {{"number", "--fast"}, "unknown option '--fast' (see --help)"},
        {{"number", "--bogus=1"}, "unknown option '--bogus' (see --help)"},
        {{"-x", "number"}, "unknown option '-x' (see --help)"},
        {{"number", "a.txt", "b.txt"}, "unexpected argument 'b.txt' (see --help)"},
        {{"number", "a.txt", "--", "-b"}, "unexpected argument '-b' (see --help)"},
        {{"number", "--encoding", "big5"},
         "--encoding must be utf-8 or gbk, not 'big5' (see --help)"},
        {{"number", "--encoding", "UTF-8"},
         "--encoding must be utf-8 or gbk, not 'UTF-8' (see --help)"},
        {{"zodiac"}, "{option} does not apply to zodiac (see --help)", true},
        {{"zodiac,tail"}, "{option} does not apply to zodiac,tail (see --help)", true},
        {{"all", "--format", "csv", "--pretty"},
         "--pretty applies only to --format json (see --help)"},
    });
}

TEST(BothTools, FilesThatCannotBeReadGiveTheSameReason) {
    const platform::test::TempFolder folder;
    const std::string missing = (folder.path() / "no-such-file.txt").string();
    // A name that starts with "/" is a file on Windows too, not an option.
    for (const std::string& file :
         {missing, folder.path().string(), std::string("/no-such-file")}) {
        std::vector<std::string> messages;
        for (const Tool& tool : kTools) {
            const ProgramRun run = RunProgram(tool.path, {"zodiac", file}, "");
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.out, "");
            const std::string line = platform::test::OneErrorLine(run);
            ASSERT_TRUE(line.starts_with(std::string(tool.name) + ": ")) << line;
            messages.push_back(line.substr(std::string(tool.name).size() + 2));
        }
        EXPECT_EQ(messages[0], messages[1]);
        // "cannot open 'f': reason" (or "cannot read" for a folder that
        // opens), always with the reason.
        EXPECT_TRUE(messages[0].starts_with("cannot open '" + file + "': ") ||
                    messages[0].starts_with("cannot read '" + file + "': "))
            << messages[0];
        EXPECT_GT(messages[0].size(), std::string("cannot open '" + file + "': ").size());
    }
}

TEST(BothTools, HelpAnywhereVersionAndTheEndOfOptions) {
    for (const Tool& tool : kTools) {
        const std::string usage =
            "Usage: " + std::string(tool.name) + " STATISTIC[,STATISTIC...] [OPTION...] [FILE]\n";
        for (const std::vector<std::string>& arguments :
             {std::vector<std::string>{"--help"},
              {"number", "a.txt", "-h"},
              {"bogus", "--fast", "--help"},
              // As an option's value it still asks for help.
              Joined({"number", "--encoding"}, {"--help"})}) {
            const ProgramRun run = RunProgram(tool.path, arguments, "");
            EXPECT_EQ(run.status, 0) << tool.name;
            EXPECT_TRUE(run.out.starts_with(usage)) << run.out;
            EXPECT_EQ(run.err, "");
        }
        const ProgramRun version = RunProgram(tool.path, {"zodiac", "--version"}, "");
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, std::string(tool.name) + " " TIPSTAT_VERSION "\n");

        // After "--" an argument that starts with "-" is a statistic or a file.
        const ProgramRun help_file = RunProgram(tool.path, {"zodiac", "--", "--help"}, "");
        EXPECT_EQ(help_file.status, 2);
        EXPECT_TRUE(platform::test::OneErrorLine(help_file).find("cannot open '--help': ") !=
                    std::string::npos)
            << help_file.err;
        const ProgramRun dash = RunProgram(tool.path, {"--", "zodiac", "-"}, "鼠");
        EXPECT_EQ(dash.status, 0) << dash.err;
        EXPECT_NE(dash.out.find("【共01次】：鼠,"), std::string::npos) << dash.out;
    }
}

// Each tool lists its statistics from its program's table; the ten
// statistics both windows have come first, under the same names and
// captions in both, so that a name means the same button in both.
TEST(BothTools, ListTheStatisticsOfBothFirstAndAlike) {
    std::vector<std::vector<std::string>> lists;
    for (const Tool& tool : kTools) {
        const ProgramRun run = RunProgram(tool.path, {"--help"}, "");
        ASSERT_EQ(run.status, 0) << tool.name;
        const std::size_t start = run.out.find("or all:\n");
        const std::size_t end = run.out.find("\n\n", start);
        ASSERT_NE(start, std::string::npos) << run.out;
        std::vector<std::string> lines;
        std::size_t line = start + 8;
        while (line < end) {
            const std::size_t next = run.out.find('\n', line);
            lines.push_back(run.out.substr(line, next - line));
            line = next + 1;
        }
        lists.push_back(lines);
    }
    const std::vector<std::string> both = {
        "  number      码统计", "  zodiac      肖统计", "  head        头统计",
        "  tail        尾统计", "  element     行统计", "  digitsum    合统计",
        "  wave        波 色",  "  bigsmall    大 小",  "  oddeven     单 双",
        "  sumoddeven  合单双",
    };
    for (const std::vector<std::string>& lines : lists) {
        ASSERT_GT(lines.size(), both.size());
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10), both);
    }
    EXPECT_EQ(lists[0].size(), 11u);  // and 段 数
    EXPECT_EQ(lists[1].size(), 12u);  // and 半 波, 全转半
}

TEST(BothTools, ReadTheirInputAlike) {
    // A UTF-8 byte-order mark is dropped by both; utf8 is utf-8 for both;
    // csv and json are UTF-8 even when the report would be code page 936.
    const std::string with_mark = "\xEF\xBB\xBF鼠鼠";
    for (const Tool& tool : kTools) {
        for (const std::vector<std::string>& arguments :
             {std::vector<std::string>{"zodiac", "--format", "csv"},
              {"zodiac", "--format=csv", "--encoding", "utf8"}}) {
            const ProgramRun run = RunProgram(tool.path, arguments, with_mark);
            ASSERT_EQ(run.status, 0) << tool.name << ": " << run.err;
            EXPECT_EQ(cli::test::ReadCsv(run.out).at(1), (std::vector<std::string>{"鼠", "2"}))
                << tool.name;
        }
        const ProgramRun gbk =
            RunProgram(tool.path, {"zodiac", "--format", "json", "--encoding", "gbk"},
                       "\xCA\xF3" /* 鼠 in code page 936 */);
        ASSERT_EQ(gbk.status, 0) << gbk.err;
        EXPECT_EQ(cli::test::CountsOfJson(cli::test::ReadJson(gbk.out)).at(0),
                  (std::pair<std::string, std::int64_t>{"鼠", 1}));
    }
}

TEST(BothTools, ReadTheYearTablesBesideThemselves) {
    const platform::test::TempFolder files;
    const std::string tables =
        files.Write("tables.txt", yeartables::GeneratedYearTables(2011, 2012)).string();
    // A year too late on its first line.
    const std::string faulty =
        files
            .Write("faulty.txt", platform::Utf16ToUtf8(
                                     yeartables::FormatYearLine(yeartables::StandardYearRow(2012))))
            .string();
    for (const Tool& tool : kTools) {
        const cli::test::ToolCopy copy(tool.path);
        const std::filesystem::path beside = copy.folder() / "YearTables.txt";
        const std::vector<std::string> in_2012{"number", tool.year_option, "2012"};

        // Without --year-tables, the file beside the tool is the file.
        std::filesystem::copy_file(tables, beside);
        const ProgramRun with_file = copy.Run(in_2012, "龙");
        EXPECT_EQ(with_file.status, 0) << with_file.err;
        EXPECT_EQ(with_file.out,
                  RunProgram(tool.path, Joined(in_2012, {"--year-tables", tables}), "龙").out);

        std::filesystem::remove(beside);
        std::filesystem::copy_file(faulty, beside);
        const ProgramRun refused = copy.Run({"zodiac"}, "");
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.out, "");
        const std::string line = platform::test::OneErrorLine(refused);
        EXPECT_TRUE(line.starts_with(std::string(tool.name) + ": 年份表文件“")) << line;
        EXPECT_TRUE(
            line.ends_with("YearTables.txt”第 1 行有错：年份要从 2011 年起逐年连续，"
                           "这一行应是 2011 年，却是 2012 年。"))
            << line;
        // --year-tables names the file to read; the one beside is not read.
        EXPECT_EQ(copy.Run({"zodiac", "--year-tables", tables}, "").status, 0);
    }
}

}  // namespace
