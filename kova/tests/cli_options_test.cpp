#include <gtest/gtest.h>

#include <vector>

#include "cli_options.h"

using kova::Arrangement;
using namespace kova::cli;

namespace {

ParsedCommandLine Parse(std::vector<std::string_view> arguments, int today_year = 2006) {
    return ParseCommandLine(arguments, today_year);
}

std::string ErrorOf(std::vector<std::string_view> arguments) {
    const ParsedCommandLine parsed = Parse(std::move(arguments));
    EXPECT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kError);
    return parsed.error;
}

}  // namespace

TEST(CommandLine, NumberStatisticWithYearLayoutEncodingAndFile) {
    const ParsedCommandLine parsed =
        Parse({"number", "--year", "2003", "--layout=2", "--encoding", "gbk", "tips.txt"});
    ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kRun);
    EXPECT_EQ(parsed.options.statistic->name, "number");
    EXPECT_EQ(parsed.options.year, 2003);
    EXPECT_EQ(parsed.options.arrangement, Arrangement::kOneLine);
    EXPECT_EQ(parsed.options.encoding, Encoding::kGbk);
    EXPECT_EQ(parsed.options.file, "tips.txt");
}

TEST(CommandLine, DefaultsAreTodaysYearWithinTheTablesLayout1Utf8AndStandardInput) {
    const ParsedCommandLine parsed = Parse({"number"}, 2026);
    ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kRun);
    EXPECT_EQ(parsed.options.year, 2010);
    EXPECT_EQ(Parse({"number"}, 1999).options.year, 2003);
    EXPECT_EQ(Parse({"number"}, 2006).options.year, 2006);
    EXPECT_EQ(parsed.options.arrangement, Arrangement::kWrapped);
    EXPECT_EQ(parsed.options.encoding, Encoding::kUtf8);
    EXPECT_FALSE(parsed.options.file.has_value());
    EXPECT_FALSE(Parse({"zodiac", "-"}).options.file.has_value());
}

TEST(CommandLine, EveryButtonHasItsStatistic) {
    for (const char* name : {"number", "zodiac", "head", "tail", "element", "digitsum", "wave",
                             "bigsmall", "oddeven", "sumoddeven", "segment"}) {
        const ParsedCommandLine parsed = Parse({name, "--layout", "2"});
        ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::kRun) << name;
        EXPECT_EQ(parsed.options.statistic->name, name);
    }
}

TEST(CommandLine, HelpWinsOverEverythingElse) {
    EXPECT_EQ(Parse({"--help"}).outcome, ParsedCommandLine::Outcome::kHelp);
    EXPECT_EQ(Parse({"bogus", "--year", "1", "-h"}).outcome, ParsedCommandLine::Outcome::kHelp);
    EXPECT_NE(UsageText().find("sumoddeven"), std::string::npos);
}

TEST(CommandLine, MistakesAreOneLineErrors) {
    EXPECT_EQ(ErrorOf({}), "no STATISTIC given (see --help)");
    EXPECT_EQ(ErrorOf({"numbers"}), "unknown statistic 'numbers' (see --help)");
    EXPECT_EQ(ErrorOf({"number", "--colour"}), "unknown option '--colour' (see --help)");
    EXPECT_EQ(ErrorOf({"number", "--year"}), "--year needs a value");
    EXPECT_EQ(ErrorOf({"number", "--year", "2011"}),
              "--year must be a year from 2003 to 2010, not '2011'");
    EXPECT_EQ(ErrorOf({"number", "--year", "2002"}),
              "--year must be a year from 2003 to 2010, not '2002'");
    EXPECT_EQ(ErrorOf({"number", "--year=20o5"}),
              "--year must be a year from 2003 to 2010, not '20o5'");
    EXPECT_EQ(ErrorOf({"zodiac", "--year", "2005"}),
              "--year applies only to the number statistic; zodiac takes no year");
    EXPECT_EQ(ErrorOf({"number", "--layout", "3"}), "--layout must be 1 or 2, not '3'");
    EXPECT_EQ(ErrorOf({"number", "--encoding", "big5"}),
              "--encoding must be utf-8 or gbk, not 'big5'");
    EXPECT_EQ(ErrorOf({"number", "a.txt", "b.txt"}), "more than one FILE given: 'b.txt'");
}
