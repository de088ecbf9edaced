// kova-cli and chgu-cli side by side, as a script author tries them: the
// same mistake gets the same one-line message and exit status 2 from both,
// and what both tools do (help, version, the end of the options, the input)
// they do alike.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "count_reading.h"
#include "failing_streams.h"
#include "malformed_text.h"
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
         "--encoding must be utf-8, utf-16 or gbk, not 'big5' (see --help)"},
        {{"number", "--encoding", "UTF-8"},
         "--encoding must be utf-8, utf-16 or gbk, not 'UTF-8' (see --help)"},
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

// Text as Notepad saves it as "Unicode": UTF-16 bytes, little endian or big.
std::string Utf16Bytes(std::u16string_view text, bool big_endian) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += big_endian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(BothTools, ReadUtf16AfterAByteOrderMarkOrWhenTold) {
    const std::u16string zodiac = u"鼠 鼠";
    const std::u16string numbers = u"05 12";
    const std::string le = "\xFF\xFE";
    const std::string be = "\xFE\xFF";
    const struct {
        const char* what;
        std::vector<std::string> options;
        std::string zodiac;
        std::string numbers;
    } cases[] = {
        {"UTF-16 LE with its mark",
         {},
         le + Utf16Bytes(zodiac, false),
         le + Utf16Bytes(numbers, false)},
        {"UTF-16 BE with its mark",
         {},
         be + Utf16Bytes(zodiac, true),
         be + Utf16Bytes(numbers, true)},
        {"the mark decides over gbk",
         {"--encoding", "gbk"},
         le + Utf16Bytes(zodiac, false),
         be + Utf16Bytes(numbers, true)},
        {"utf-16 without a mark",
         {"--encoding", "utf-16"},
         Utf16Bytes(zodiac, false),
         Utf16Bytes(numbers, false)},
        {"utf16 with a mark",
         {"--encoding=utf16"},
         be + Utf16Bytes(zodiac, true),
         le + Utf16Bytes(numbers, false)},
    };
    const platform::test::TempFolder folder;
    for (const auto& c : cases) {
        for (const Tool& tool : kTools) {
            const std::string where = std::string(tool.name) + ", " + c.what;
            // The zodiac words from standard input, the numbers from a file.
            const ProgramRun animals =
                RunProgram(tool.path, Joined({"zodiac", "--format", "csv"}, c.options), c.zodiac);
            ASSERT_EQ(animals.status, 0) << where << ": " << animals.err;
            EXPECT_EQ(cli::test::ReadCsv(animals.out).at(1), (std::vector<std::string>{"鼠", "2"}))
                << where;
            const std::string file = folder.Write("numbers.txt", c.numbers).string();
            const ProgramRun counted = RunProgram(
                tool.path,
                Joined({"number", tool.year_option, "2008", "--format", "csv", file}, c.options),
                "");
            ASSERT_EQ(counted.status, 0) << where << ": " << counted.err;
            std::vector<std::string> named;
            for (const auto& row : cli::test::ReadCsv(counted.out)) {
                if (row.size() == 2 && row[1] != "0" && row[1] != "count") {
                    named.push_back(row[0] + "=" + row[1]);
                }
            }
            EXPECT_EQ(named, (std::vector<std::string>{"05=1", "12=1"})) << where;
        }
    }
    // The report itself is UTF-8 for utf-16 input.
    for (const Tool& tool : kTools) {
        const ProgramRun report =
            RunProgram(tool.path, {"zodiac", "--encoding", "utf-16"}, Utf16Bytes(zodiac, false));
        EXPECT_NE(report.out.find("【共02次】：鼠,"), std::string::npos) << report.out;
    }
}

TEST(BothTools, RefuseATextThatHoldsANul) {
    const std::string why =
        ": it holds a NUL character, which no text does (UTF-16 without a byte-order mark "
        "needs --encoding utf-16)";
    const struct {
        const char* what;
        std::vector<std::string> options;
        std::string input;
    } cases[] = {
        {"UTF-8",
         {},
         std::string("05\0"
                     "12",
                     5)},
        {"code page 936", {"--encoding", "gbk"}, std::string("\xCA\xF3\0", 3)},
        {"UTF-16 with its mark", {}, "\xFF\xFE" + Utf16Bytes(std::u16string(u"05\0", 3), false)},
        {"UTF-16 without a mark read as UTF-8", {}, Utf16Bytes(u"05", false)},
    };
    const platform::test::TempFolder folder;
    // Not "nul.txt": on Windows that name is the null device.
    const std::string file = folder.Write("zero-byte.txt", std::string(1, '\0')).string();
    for (const auto& c : cases) {
        for (const Tool& tool : kTools) {
            const ProgramRun run = RunProgram(tool.path, Joined({"number"}, c.options), c.input);
            EXPECT_EQ(run.status, 2) << tool.name << ", " << c.what;
            EXPECT_EQ(run.out, "") << tool.name << ", " << c.what;
            EXPECT_EQ(platform::test::OneErrorLine(run),
                      std::string(tool.name) + ": cannot read standard input" + why);
        }
    }
    for (const Tool& tool : kTools) {
        EXPECT_EQ(platform::test::OneErrorLine(RunProgram(tool.path, {"tail", file}, "")),
                  std::string(tool.name) + ": cannot read '" + file + "'" + why);
    }
}

TEST(BothTools, EndWithOneLineWhenMemoryRunsOut) {
#if defined(_WIN32)
    GTEST_SKIP() << "the address-space limit is a POSIX one";
#elif defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's own reservations exceed any modest limit";
#else
    // 400 MB of input (a sparse file: nothing written but its size) under a
    // limit of 300 MB, as a file and as standard input.
    const platform::test::TempFolder folder;
    const std::filesystem::path file = folder.path() / "large.txt";
    std::filesystem::resize_file(folder.Write("large.txt", ""), std::size_t{400} << 20);
    platform::test::RunSetting limited;
    limited.address_space_bytes = std::size_t{300} << 20;
    for (const Tool& tool : kTools) {
        for (const bool as_input : {false, true}) {
            platform::test::FailingStreams streams;
            std::vector<std::string> arguments{"number"};
            if (as_input) {
                streams.input_from = file.string();
            } else {
                arguments.push_back(file.string());
            }
            const ProgramRun run = RunProgram(tool.path, arguments, "", streams, limited);
            EXPECT_EQ(run.status, 2) << tool.name << " " << run.err;
            EXPECT_EQ(run.out, "") << tool.name;
            EXPECT_EQ(platform::test::OneErrorLine(run),
                      std::string(tool.name) + ": out of memory");
        }
    }
#endif
}

// What users and scripts may throw at either tool: a paste of megabytes,
// bytes that are not UTF-8, arguments that are not text, file names outside
// the ANSI code page, standard streams that fail. Each is counted as written
// down here, or refused in one line; neither tool crashes or drops the rest.

// The text of a number statistic's csv: the items counted, with their counts.
std::vector<std::string> Counted(const std::string& csv) {
    std::vector<std::string> counted;
    for (const auto& row : cli::test::ReadCsv(csv)) {
        if (row.size() == 2 && row[1] != "0" && row[1] != "count") {
            counted.push_back(row[0] + "=" + row[1]);
        }
    }
    return counted;
}

TEST(BothTools, MegabytesAreTalliedWholeOnTwoThreadsOrOne) {
    // 15 bytes a line, so that blocks of 1 MB end inside characters, and
    // halves of a block large enough to be converted on a thread each.
    const std::string line = "鼠 05 12 龙\r\n";
    std::string text;
    while (text.size() < (std::size_t{5} << 20)) {
        text += line;
    }
    const std::string n = std::to_string(text.size() / line.size());
    // In 2008 鼠 names 01 13 25 37 49 and 龙 09 21 33 45.
    const std::vector<std::string> numbers{"01=" + n, "05=" + n, "09=" + n, "12=" + n,
                                           "13=" + n, "21=" + n, "25=" + n, "33=" + n,
                                           "37=" + n, "45=" + n, "49=" + n};
    platform::test::RunSetting no_threads;
#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
    // Every thread asks for a stack of 1 GB, which a limit of 300 MB never
    // gives: each block is converted whole, on the one thread.
    no_threads.address_space_bytes = std::size_t{300} << 20;
    no_threads.stack_bytes = std::size_t{1} << 30;
#endif
    for (const Tool& tool : kTools) {
        for (const platform::test::RunSetting& setting :
             {platform::test::RunSetting{}, no_threads}) {
            const std::string where = std::string(tool.name) +
                                      (setting.stack_bytes ? " on one thread" : " on two threads");
            const ProgramRun zodiac =
                RunProgram(tool.path, {"zodiac", "--format", "csv"}, text, {}, setting);
            ASSERT_EQ(zodiac.status, 0) << where << ": " << zodiac.err;
            EXPECT_EQ(Counted(zodiac.out), (std::vector<std::string>{"鼠=" + n, "龙=" + n}))
                << where;
            const ProgramRun number =
                RunProgram(tool.path, {"number", tool.year_option, "2008", "--format", "csv"}, text,
                           {}, setting);
            ASSERT_EQ(number.status, 0) << where << ": " << number.err;
            EXPECT_EQ(Counted(number.out), numbers) << where;
        }
    }
}

TEST(BothTools, BytesThatAreNotUtf8CountAsReplacementCharacters) {
    // Each malformed sequence becomes U+FFFD, which no word contains and
    // which ends a number as any other character does.
    const std::string& input = platform::test::kMalformedUtf8;
    for (const Tool& tool : kTools) {
        const ProgramRun zodiac = RunProgram(tool.path, {"zodiac", "--format", "csv"}, input);
        ASSERT_EQ(zodiac.status, 0) << tool.name << ": " << zodiac.err;
        EXPECT_EQ(Counted(zodiac.out), (std::vector<std::string>{"鼠=1", "牛=1", "羊=1"}))
            << tool.name;
        // In 2008 鼠 names 01 13 25 37 49, 牛 12 24 36 48 and 羊 06 18 30 42.
        const ProgramRun number =
            RunProgram(tool.path, {"number", tool.year_option, "2008", "--format", "csv"}, input);
        ASSERT_EQ(number.status, 0) << tool.name << ": " << number.err;
        EXPECT_EQ(Counted(number.out), (std::vector<std::string>{
                                           "01=1", "05=1", "06=1", "12=2", "13=1", "18=1", "24=1",
                                           "25=1", "30=1", "36=1", "37=1", "42=1", "48=1", "49=1"}))
            << tool.name;
    }
    // As chgu-cli's 全转半 shows the text it read: one U+FFFD a byte that
    // starts no character, a sequence cut at the end one.
    const ProgramRun read = RunProgram(CHGU_CLI_PATH, {"normalise"}, input);
    EXPECT_EQ(
        read.out,
        "\uFFFD鼠\uFFFD\uFFFD 05\uFFFD\uFFFD\uFFFD牛\uFFFD\uFFFD\uFFFD\uFFFD,12\uFFFD羊\uFFFD");
}

TEST(BothTools, ArgumentsThatAreNotTextAreRefusedClearly) {
    const std::string& unpaired = platform::test::kArgumentThatIsNoText;
    for (const Tool& tool : kTools) {
        for (const std::vector<std::string>& arguments :
             {std::vector<std::string>{"number", "tips" + unpaired + ".txt"},
              {"zodiac" + unpaired},
              {"number", "--encoding", unpaired},
              {"number", "--" + unpaired},
              Joined({"number"}, {tool.number_option[0], unpaired})}) {
            const ProgramRun run = RunProgram(tool.path, arguments, "鼠");
            EXPECT_EQ(run.status, 2) << tool.name << " " << arguments.back();
            EXPECT_EQ(run.out, "");
            EXPECT_TRUE(run.err.starts_with(std::string(tool.name) + ": ")) << run.err;
        }
    }
    // kova-cli's year must be a number; chgu-cli's table year is any text,
    // and one that names no year has no zodiac table: 鼠 names no number.
    const ProgramRun year = RunProgram(KOVA_CLI_PATH, {"number", "--year", unpaired}, "鼠");
    EXPECT_EQ(year.status, 2);
    const ProgramRun table_year =
        RunProgram(CHGU_CLI_PATH, {"number", "--table-year", unpaired, "--format", "csv"}, "鼠05");
    ASSERT_EQ(table_year.status, 0) << table_year.err;
    EXPECT_EQ(Counted(table_year.out), (std::vector<std::string>{"05=1"}));
}

TEST(BothTools, FileNamesOutsideTheAnsiCodePageAreOpened) {
    // Windows hands programs their arguments in the ANSI code page too,
    // where these characters do not exist.
    const platform::test::TempFolder temp;
    const std::u16string name = u"提示ÄΩ🐭.txt";
    const std::filesystem::path file =
        temp.path() / std::filesystem::path(std::u8string(
                          reinterpret_cast<const char8_t*>(platform::Utf16ToUtf8(name).c_str())));
    std::ofstream(file, std::ios::binary) << "鼠 05";
    const std::string argument = (temp.path().string() + "/").append(platform::Utf16ToUtf8(name));
    for (const Tool& tool : kTools) {
        const ProgramRun run = RunProgram(tool.path, {"zodiac", "--format", "csv", argument}, "");
        ASSERT_EQ(run.status, 0) << tool.name << ": " << run.err;
        EXPECT_EQ(Counted(run.out), (std::vector<std::string>{"鼠=1"})) << tool.name;
    }
}

TEST(BothTools, FailingStandardStreamsAreErrors) {
    for (const Tool& tool : kTools) {
        platform::test::ExpectFailingStreamsAreErrors(tool.path, tool.name,
                                                      {"number", tool.year_option, "2008"});
    }
}

// chgu-cli's --save-change-date where the configuration folder cannot be
// made: one line, status 2, nothing stored and nothing counted.
TEST(BothTools, ARefusedSaveOfTheChangeDateIsAnError) {
#if defined(_WIN32)
    GTEST_SKIP() << "on Windows the date goes to the registry (see the window's end-to-end tests)";
#else
    const platform::test::TempFolder folder;
    platform::test::RunSetting blocked;
    blocked.environment = {"XDG_CONFIG_HOME=" + folder.Write("config", "a file").string()};
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--save-change-date", "2026年02月17日"},
          {"number", "--save-change-date", "2026年02月17日"}}) {
        const ProgramRun run = RunProgram(CHGU_CLI_PATH, arguments, "05", {}, blocked);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(platform::test::OneErrorLine(run), "chgu-cli: cannot save the change date");
    }
#endif
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
            const ProgramRun with =
                RunProgram(run.tool.path, Joined(arguments, {"--traditional"}), input(traditional));
            const ProgramRun without = RunProgram(run.tool.path, arguments, input(traditional));
            ASSERT_EQ(with.status, 0) << run.tool.name << ": " << with.err;
            EXPECT_EQ(with.out, plain.out)
                << run.tool.name << " " << run.statistics[0] << " " << encoding;
            EXPECT_NE(without.out, plain.out) << run.tool.name << " " << run.statistics[0];
        }
    }
}
