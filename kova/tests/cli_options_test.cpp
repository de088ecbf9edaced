#include <gtest/gtest.h>

#include <vector>

#include "cli_options.h"
#include "table_year_choice.h"

using kova::Arrangement;
using namespace kova::cli;

namespace {

ParsedCommandLine Parse(std::vector<std::string_view> arguments) {
    return ParseCommandLine(arguments);
}

// The year of a command line on a day of today_year, with the built-in
// tables.
int YearOf(std::vector<std::string_view> arguments, int today_year) {
    const ParsedCommandLine parsed = Parse(std::move(arguments));
    EXPECT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kRun) << parsed.error;
    return ChooseTableYear(parsed.options, kova::YearTables(), today_year).year;
}

}  // namespace

TEST(CommandLine, NumberStatisticWithYearLayoutEncodingAndFile) {
    const ParsedCommandLine parsed =
        Parse({"number", "--year", "2003", "--layout=2", "--encoding", "gbk", "tips.txt"});
    ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kRun);
    EXPECT_EQ(parsed.options.statistics, std::vector<std::size_t>{0});
    EXPECT_EQ(YearOf({"number", "--year", "2003"}, 2006), 2003);
    EXPECT_EQ(parsed.options.arrangement, Arrangement::kOneLine);
    EXPECT_EQ(parsed.options.encoding, Encoding::kGbk);
    EXPECT_EQ(parsed.options.file, "tips.txt");
}

TEST(CommandLine, DefaultsAreTodaysYearWithinTheTablesLayout1Utf8AndStandardInput) {
    EXPECT_EQ(YearOf({"number"}, 2026), 2010);
    EXPECT_EQ(YearOf({"number"}, 1999), 2003);
    EXPECT_EQ(YearOf({"number"}, 2006), 2006);
    const ParsedCommandLine parsed = Parse({"number"});
    EXPECT_EQ(parsed.options.arrangement, Arrangement::kWrapped);
    EXPECT_EQ(parsed.options.encoding, Encoding::kUtf8);
    EXPECT_FALSE(parsed.options.file.has_value());
    EXPECT_FALSE(Parse({"zodiac", "-"}).options.file.has_value());
}

TEST(CommandLine, ADefaultYearPastTheTablesIsNoticed) {
    const auto notice = [](std::vector<std::string_view> arguments, int today_year) {
        return ChooseTableYear(Parse(std::move(arguments)).options, kova::YearTables(), today_year)
            .notice;
    };
    EXPECT_EQ(notice({"number"}, 2026),
              "no zodiac and element tables for 2026: counting with those of 2010 (see --year and "
              "--year-tables)");
    // A year given is meant; the attribute statistics take none.
    EXPECT_EQ(notice({"number", "--year", "2010"}, 2026), std::nullopt);
    EXPECT_EQ(notice({"zodiac"}, 2026), std::nullopt);
    EXPECT_TRUE(notice({"zodiac,number"}, 2041));
    EXPECT_EQ(notice({"number"}, 2010), std::nullopt);
}

TEST(CommandLine, EveryButtonHasItsStatistic) {
    for (const char* name : {"number", "zodiac", "head", "tail", "element", "digitsum", "wave",
                             "bigsmall", "oddeven", "sumoddeven", "segment"}) {
        const ParsedCommandLine parsed = Parse({name});
        ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kRun) << name;
        ASSERT_EQ(parsed.options.statistics.size(), 1u);
        EXPECT_EQ(StatisticNames()[parsed.options.statistics[0]].name, name);
    }
}

TEST(CommandLine, ListsAndAllRunSeveralStatisticsInTheOrderGiven) {
    EXPECT_EQ(Parse({"tail,number,zodiac"}).options.statistics,
              (std::vector<std::size_t>{3, 0, 1}));
    const ParsedCommandLine all = Parse({"all", "--year", "2005"});
    ASSERT_EQ(all.outcome, ParsedCommandLine::Outcome::kRun) << all.error;
    EXPECT_EQ(all.options.statistics.size(), StatisticNames().size());
    // The number options apply when number is one of the list.
    EXPECT_EQ(Parse({"zodiac,number", "--layout", "2"}).outcome, ParsedCommandLine::Outcome::kRun);
}

TEST(CommandLine, HelpWinsOverEverythingElse) {
    EXPECT_EQ(Parse({"--help"}).outcome, ParsedCommandLine::Outcome::kHelp);
    EXPECT_EQ(Parse({"bogus", "--year", "1", "-h"}).outcome, ParsedCommandLine::Outcome::kHelp);
    EXPECT_EQ(Parse({"number", "--version"}).outcome, ParsedCommandLine::Outcome::kVersion);
    // After "--" it is a file's name.
    EXPECT_EQ(Parse({"number", "--", "--help"}).options.file, "--help");
    EXPECT_NE(::cli::UsageText(Description()).find("sumoddeven"), std::string::npos);
}

TEST(CommandLine, MistakesAreOneLineErrors) {
    // The mistakes both tools share are checked against both in cli_tests;
    // these are kova-cli's own, from its options and then from the year.
    struct Mistake {
        std::vector<std::string_view> arguments;
        std::string error;
    };
    const Mistake mistakes[] = {
        {{"number", "--year"}, "--year needs a value (see --help)"},
        {{"zodiac", "--year", "2005"}, "--year does not apply to zodiac (see --help)"},
        {{"zodiac,tail", "--layout", "2"}, "--layout does not apply to zodiac,tail (see --help)"},
        {{"number", "--layout", "3"}, "--layout must be 1 or 2, not '3' (see --help)"},
        {{"number", "--year", "2011"},
         "--year must be a year from 2003 to 2010, not '2011' (see --help)"},
        {{"number", "--year", "2002"},
         "--year must be a year from 2003 to 2010, not '2002' (see --help)"},
        {{"number", "--year=20o5"},
         "--year must be a year from 2003 to 2010, not '20o5' (see --help)"},
        {{"number", "--year", "soon"},
         "--year must be a year from 2003 to 2010, not 'soon' (see --help)"},
    };
    for (const Mistake& mistake : mistakes) {
        const ParsedCommandLine parsed = Parse(mistake.arguments);
        const std::string error =
            parsed.outcome == ParsedCommandLine::Outcome::kError
                ? parsed.error
                : ChooseTableYear(parsed.options, kova::YearTables(), 2006).error;
        EXPECT_EQ(error, mistake.error);
    }
}
