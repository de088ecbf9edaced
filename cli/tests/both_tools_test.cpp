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

// --traditional: every statistic of both tools, and normalise, on a text of
// traditional forms prints what it prints without the option on the text
// written simplified, in both encodings; without it the forms count as any
// other character.
TEST(BothTools, TraditionalCountsTheFormsAsTheirSimplifiedOnes) {
    const std::string traditional = "龍,馬,雞,鷄,豬 3頭 紅綠藍 單雙 號：05 12碼 合數單 兰";
    const std::string simplified = "龙,马,鸡,鸡,猪 3头 红绿蓝 单双 号：05 12码 合数单 兰";
    const struct {
        const Tool& tool;
        std::vector<std::string> statistics;
    } runs[] = {
        {kTools[0], {"all"}},
        {kTools[1], {"all", "--table-year", "2008"}},
        {kTools[1], {"normalise"}},
    };
    for (const auto& run : runs) {
        for (const char* encoding : {"utf-8", "gbk"}) {
            const auto input = [&](const std::string& text) {
                return std::string(encoding) == "gbk" ? platform::Utf8ToGbk(text) : text;
            };
            const auto arguments = Joined(run.statistics, {"--encoding", encoding});
            const ProgramRun plain = RunProgram(run.tool.path, arguments, input(simplified));
            const ProgramRun with = RunProgram(run.tool.path, Joined(arguments, {"--traditional"}),
                                               input(traditional));
            const ProgramRun without = RunProgram(run.tool.path, arguments, input(traditional));
            ASSERT_EQ(with.status, 0) << run.tool.name << ": " << with.err;
            EXPECT_EQ(with.out, plain.out) << run.tool.name << " " << run.statistics[0] << " "
                                           << encoding;
            EXPECT_NE(without.out, plain.out) << run.tool.name << " " << run.statistics[0];
        }
    }
}
