// chgu-cli's command line and what it prints.
#include <gtest/gtest.h>

#include "cli_options.h"
#include "run_statistic.h"
#include "table_year_choice.h"
#include "platform/codepage.h"
#include "test_support.h"

namespace chgu::cli {
namespace {

using test::U16;
using test::U8;

ParsedCommandLine Parse(std::initializer_list<std::string_view> arguments) {
    return ParseCommandLine(std::span<const std::string_view>(arguments.begin(), arguments.size()));
}

TEST(CliArguments, StatisticsListsAndOptions) {
    const ParsedCommandLine parsed =
        Parse({"halfwave,number", "--table-year", "2009", "--cumulative", "--no-brackets",
               "--short-lines", "--encoding", "gbk", "tips.txt"});
    ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kRun) << parsed.error;
    EXPECT_EQ(parsed.options.statistics, (std::vector<std::int16_t>{10, 0}));
    EXPECT_EQ(parsed.options.table_year, "2009");
    EXPECT_TRUE(parsed.options.cumulative);
    EXPECT_FALSE(parsed.options.skip_brackets);
    EXPECT_FALSE(parsed.options.long_lines);
    EXPECT_EQ(parsed.options.encoding, Encoding::kGbk);
    EXPECT_EQ(parsed.options.file, "tips.txt");

    const ParsedCommandLine defaults = Parse({"normalise"});
    ASSERT_EQ(defaults.outcome, ParsedCommandLine::Outcome::kRun);
    EXPECT_EQ(defaults.options.statistics, std::vector<std::int16_t>{11});
    EXPECT_EQ(defaults.options.table_year, std::nullopt);
    EXPECT_TRUE(defaults.options.skip_brackets);
    EXPECT_TRUE(defaults.options.long_lines);
    EXPECT_FALSE(defaults.options.cumulative);
    EXPECT_EQ(defaults.options.encoding, Encoding::kUtf8);
    EXPECT_EQ(defaults.options.format, Format::kReport);
    EXPECT_EQ(defaults.options.file, std::nullopt);

    EXPECT_EQ(Parse({"--encoding=utf8", "zodiac", "-"}).options.file, std::nullopt);
    // "all" is every statistic with counts: 全转半 has none.
    EXPECT_EQ(Parse({"all"}).options.statistics.size(), 11u);
    EXPECT_EQ(Parse({"--table-year=2007", "number"}).options.table_year, "2007");
    EXPECT_EQ(Parse({"number", "--help"}).outcome, ParsedCommandLine::Outcome::kHelp);
    EXPECT_EQ(Parse({"number", "--table-year", "--help"}).outcome, ParsedCommandLine::Outcome::kHelp);
}

TEST(CliArguments, MistakesOfItsOwnOptions) {
    // The mistakes both tools share are checked against both in cli_tests.
    struct Mistake {
        std::vector<std::string_view> arguments;
        std::string error;
    };
    const Mistake mistakes[] = {
        {{"halfwave", "--table-year", "2009", "--cumulative", "--no-brackets", "--short-lines",
          "--encoding", "gbk", "tips.txt"},
         "--table-year does not apply to halfwave (see --help)"},
        {{"normalise", "--cumulative"}, "--cumulative does not apply to normalise (see --help)"},
        {{"normalise", "--no-brackets"}, "--no-brackets does not apply to normalise (see --help)"},
        {{"zodiac,tail", "--short-lines"}, "--short-lines does not apply to zodiac,tail (see --help)"},
        {{"number", "--table-year"}, "--table-year needs a value (see --help)"},
        {{"number", "--cumulative=yes"}, "--cumulative takes no value (see --help)"},
        // Program A's option is none of program B's.
        {{"number", "--year", "2008"}, "unknown option '--year' (see --help)"},
    };
    for (const Mistake& mistake : mistakes) {
        const ParsedCommandLine parsed = ParseCommandLine(mistake.arguments);
        EXPECT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kError);
        EXPECT_EQ(parsed.error, mistake.error);
    }
}

TEST(CliRun, TableYearFromTheOptionOrTheStoredDate) {
    CliOptions options;
    MemoryChangeDateStore store;
    EXPECT_EQ(U8(ChooseTableYear(options, store, {2008, 6, 1})), "2006");
    EXPECT_EQ(U8(ChooseTableYear(options, store, {2006, 1, 1})), "2005");
    store.bytes = platform::Utf8ToGbk("2009年01月26日");
    EXPECT_EQ(U8(ChooseTableYear(options, store, {2009, 1, 25})), "2008");
    options.table_year = "2010";
    EXPECT_EQ(U8(ChooseTableYear(options, store, {2009, 1, 25})), "2010");
}

std::string Output(const CliOptions& options, const std::string& text, std::u16string_view TableYear) {
    return ToolOutput(options, U16(text), TableYear, YearTables::BuiltIn());
}

TEST(CliRun, OptionsReachTheStrip) {
    CliOptions options;
    options.statistics = {1};
    EXPECT_EQ(
        Output(options, "【鼠】牛", u"2008"),
        " 生肖统计结果：\r\n【共00次】：鼠,虎,兔,龙,蛇,马,羊,猴,鸡,狗,猪,\r\n【共01次】：牛,\r\n");
    options.skip_brackets = false;
    options.cumulative = true;
    EXPECT_EQ(
        Output(options, "2次【鼠】牛", u"2008"),
        " 生肖统计结果：\r\n【共00次】：虎,兔,龙,蛇,马,羊,猴,鸡,狗,猪,\r\n【共02次】：鼠,牛,\r\n");
    options.statistics = {11};
    EXPECT_EQ(Output(options, "１\n２", u""), "1\r\n2");
    // Reports in turn, an empty line between; 全转半's text gets its line end.
    CliOptions two;
    two.statistics = {11, 1};
    EXPECT_EQ(Output(two, "１鼠", u""),
              "1鼠\r\n\r\n 生肖统计结果：\r\n【共00次】：牛,虎,兔,龙,蛇,马,羊,猴,鸡,狗,猪,\r\n"
              "【共01次】：鼠,\r\n");
}

TEST(CliRun, EncodingsOfInputAndOutput) {
    EXPECT_EQ(DecodeInput("a\xFF"
                          "b",
                          Encoding::kUtf8),
              u"a\uFFFDb");
    // A byte-order mark, as Notepad writes it, is no part of the text.
    EXPECT_EQ(DecodeInput("\xEF\xBB\xBF鼠", Encoding::kUtf8), u"鼠");
    EXPECT_EQ(U8(DecodeInput(platform::Utf8ToGbk("鼠\r\n牛"), Encoding::kGbk)), "鼠\r\n牛");
    EXPECT_EQ(EncodeOutput(U16("共01次:05,"), Encoding::kGbk), platform::Utf8ToGbk("共01次:05,"));
    EXPECT_EQ(EncodeOutput(U16("共01次:05,"), Encoding::kUtf8), "共01次:05,");
}

}  // namespace
}  // namespace chgu::cli
