// chgu-cli's command line and what it prints.
#include <gtest/gtest.h>

#include "cli/tool_io.h"
#include "cli_options.h"
#include "platform/codepage.h"
#include "run_statistic.h"
#include "table_year_choice.h"
#include "test_support.h"
#include "whole_input.h"
#include "yeartables/standard_rules.h"

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
    EXPECT_EQ(parsed.options.statistics, (std::vector<std::size_t>{10, 0}));
    EXPECT_EQ(parsed.options.table_year, "2009");
    EXPECT_TRUE(parsed.options.cumulative);
    EXPECT_FALSE(parsed.options.skip_brackets);
    EXPECT_FALSE(parsed.options.long_lines);
    EXPECT_EQ(parsed.options.encoding, Encoding::kGbk);
    EXPECT_EQ(parsed.options.file, "tips.txt");

    const ParsedCommandLine defaults = Parse({"normalise"});
    ASSERT_EQ(defaults.outcome, ParsedCommandLine::Outcome::kRun);
    EXPECT_EQ(defaults.options.statistics, std::vector<std::size_t>{11});
    EXPECT_EQ(defaults.options.table_year, std::nullopt);
    EXPECT_TRUE(defaults.options.skip_brackets);
    EXPECT_TRUE(defaults.options.long_lines);
    EXPECT_FALSE(defaults.options.cumulative);
    EXPECT_EQ(defaults.options.encoding, Encoding::kUtf8);
    EXPECT_EQ(defaults.options.format, Format::kReport);
    EXPECT_EQ(defaults.options.file, std::nullopt);

    EXPECT_EQ(Parse({"--encoding=utf8", "zodiac", "-"}).options.file, std::nullopt);
    const ParsedCommandLine save = Parse({"--save-change-date", "2026年02月17日"});
    ASSERT_EQ(save.outcome, ParsedCommandLine::Outcome::kRun) << save.error;
    EXPECT_TRUE(save.options.statistics.empty());
    EXPECT_EQ(save.options.save_change_date, "2026年02月17日");
    // "all" is every statistic with counts: 全转半 has none.
    EXPECT_EQ(Parse({"all"}).options.statistics.size(), 11u);
    EXPECT_EQ(Parse({"--table-year=2007", "number"}).options.table_year, "2007");
    EXPECT_EQ(Parse({"number", "--help"}).outcome, ParsedCommandLine::Outcome::kHelp);
    EXPECT_EQ(Parse({"number", "--table-year", "--help"}).outcome,
              ParsedCommandLine::Outcome::kHelp);
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
        {{"zodiac,tail", "--short-lines"},
         "--short-lines does not apply to zodiac,tail (see --help)"},
        {{"number", "--table-year"}, "--table-year needs a value (see --help)"},
        {{"number", "--cumulative=yes"}, "--cumulative takes no value (see --help)"},
        // Program A's option is none of program B's.
        {{"number", "--year", "2008"}, "unknown option '--year' (see --help)"},
        {{"zodiac", "--change-date", "2026年02月17日"},
         "--change-date does not apply to zodiac (see --help)"},
        // Saving a change date needs no statistic; these options do.
        {{"--save-change-date", "2026年02月17日", "--short-lines"},
         "no STATISTIC given (see --help)"},
        {{"--change-date", "2026年02月17日"}, "no STATISTIC given (see --help)"},
    };
    for (const Mistake& mistake : mistakes) {
        const ParsedCommandLine parsed = ParseCommandLine(mistake.arguments);
        EXPECT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kError);
        EXPECT_EQ(parsed.error, mistake.error);
    }
}

std::string NoTables(const std::string& year) {
    return "no zodiac and element tables for table year " + year +
           ": animals and elements name no number (see --table-year and --year-tables)";
}

TEST(CliRun, TableYearFromTheOptionOrTheChangeDateWithANoticeWhenItMayNotBeMeant) {
    const std::string none_stored =
        "no change date stored: counting with table year 2006 of 2006年01月29日 (see "
        "--change-date and --save-change-date)";
    const YearTables to_2040(yeartables::StandardFileYears(2040));
    struct Case {
        std::vector<std::string_view> arguments;
        std::string stored;  // the stored change date; none when empty
        platform::LocalDate today;
        const YearTables& tables;
        std::string TableYear;
        std::optional<std::string> notice;
    };
    const YearTables& built_in = YearTables::BuiltIn();
    const Case cases[] = {
        {{"number"}, "", {2008, 6, 1}, built_in, "2006", none_stored},
        // Only the number statistic reads the tables, and not in cumulative
        // mode.
        {{"zodiac"}, "", {2008, 6, 1}, built_in, "2006", std::nullopt},
        {{"number", "--cumulative"}, "", {2008, 6, 1}, built_in, "2006", std::nullopt},
        {{"number"}, "2009年01月26日", {2009, 1, 25}, built_in, "2008", std::nullopt},
        {{"number"}, "2026年02月17日", {2026, 3, 1}, built_in, "2026", NoTables("2026")},
        {{"number"}, "2026年02月17日", {2026, 3, 1}, to_2040, "2026", std::nullopt},
        // A change date given wins over the stored one; a table year given
        // over both, taken as meant.
        {{"number", "--change-date", "2026年02月17日"},
         "2009年01月26日",
         {2026, 2, 16},
         to_2040,
         "2025",
         std::nullopt},
        {{"number", "--change-date=3000年01月01日"},
         "",
         {2026, 3, 1},
         to_2040,
         "2999",
         NoTables("2999")},
        {{"number", "--table-year", "abc", "--change-date", "2026年02月17日"},
         "2009年01月26日",
         {2026, 3, 1},
         to_2040,
         "abc",
         std::nullopt},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine parsed = ParseCommandLine(c.arguments);
        ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kRun) << parsed.error;
        MemoryChangeDateStore store;
        if (!c.stored.empty()) {
            ASSERT_TRUE(WriteChangeDate(store, U16(c.stored)));
        }
        const TableYearChoice choice = ChooseTableYear(parsed.options, c.tables, store, c.today);
        EXPECT_EQ(U8(choice.TableYear), c.TableYear) << c.arguments.back();
        EXPECT_EQ(choice.notice, c.notice) << c.arguments.back();
    }
}

TEST(CliRun, SavedChangeDateIsReadBackAsAfterAChangePress) {
    const ParsedCommandLine parsed = ParseCommandLine(
        std::vector<std::string_view>{"number", "--save-change-date", "2011年02月03日"});
    ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kRun) << parsed.error;
    MemoryChangeDateStore store;
    ASSERT_TRUE(WriteChangeDate(store, u"2009年01月26日"));
    EXPECT_TRUE(SaveChangeDate(parsed.options, store));
    EXPECT_EQ(ReadChangeDate(store), u"2011年02月03日");
    EXPECT_EQ(ChooseTableYear(parsed.options, YearTables::BuiltIn(), store, {2011, 2, 2}).TableYear,
              u"2010");

    // A store that refuses it is no save; a run without the option saves
    // nothing.
    MemoryChangeDateStore refusing;
    refusing.refuses_writes = true;
    EXPECT_FALSE(SaveChangeDate(parsed.options, refusing));
    EXPECT_TRUE(SaveChangeDate(CliOptions{}, refusing));
    EXPECT_FALSE(refusing.bytes);
}

std::string Output(const CliOptions& options, const std::string& text,
                   std::u16string_view TableYear) {
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
    EXPECT_EQ(::cli::test::DecodeAsUtf16("a\xFF"
                                         "b",
                                         Encoding::kUtf8),
              u"a\uFFFDb");
    // A byte-order mark, as Notepad writes it, is no part of the text.
    EXPECT_EQ(::cli::test::DecodeAsUtf16("\xEF\xBB\xBF鼠", Encoding::kUtf8), u"鼠");
    EXPECT_EQ(U8(::cli::test::DecodeAsUtf16(platform::Utf8ToGbk("鼠\r\n牛"), Encoding::kGbk)),
              "鼠\r\n牛");
    EXPECT_EQ(EncodeOutput(U16("共01次:05,"), Encoding::kGbk), platform::Utf8ToGbk("共01次:05,"));
    EXPECT_EQ(EncodeOutput(U16("共01次:05,"), Encoding::kUtf8), "共01次:05,");
}

}  // namespace
}  // namespace chgu::cli
