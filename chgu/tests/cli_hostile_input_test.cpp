// chgu-cli on what users and scripts may throw at it: a paste of megabytes,
// bytes that are not UTF-8, command lines whose arguments are not text at
// all, and standard streams that fail.
// It reports or refuses clearly; it never crashes or drops the rest.
#include <gtest/gtest.h>

#include <string>

#include "failing_streams.h"
#include "malformed_text.h"
#include "platform/codepage.h"
#include "run_program.h"
#include "test_support.h"
#include "tip_text.h"

namespace chgu {
namespace {

using platform::test::ProgramRun;
using platform::test::RunProgram;
using test::Text2After;
using test::kNormaliseButton;
using test::kNumberButton;

constexpr auto kZodiac = static_cast<std::int16_t>(AttributeStatistic::Zodiac);

// What the output box holds after the press, in UTF-8.
std::string Expected(std::int16_t Index, const std::string& utf8, std::u16string_view TableYear,
                     bool cumulative = false) {
    StatisticSettings settings;
    settings.scan.TableYear = TableYear;
    settings.scan.Check2 = cumulative;
    std::int16_t InBracket = 0;
    return platform::Utf16ToUtf8(
        Text2After(Index, platform::Utf8ToUtf16(utf8), settings, InBracket));
}

TEST(ChguCliHostileInput, SeveralMegabytesAreTalliedWhole) {
    // Read in several chunks; the 100 MB runs are scripts/bench.sh's.
    const std::string text = bench::GenerateTipText(5u << 20, 200);
    const ProgramRun number = RunProgram(CHGU_CLI_PATH, {"number", "--table-year", "2008"}, text);
    ASSERT_EQ(number.status, 0) << number.err;
    EXPECT_EQ(number.out, Expected(kNumberButton, text, u"2008"));

    const ProgramRun cumulative =
        RunProgram(CHGU_CLI_PATH, {"number", "--table-year", "2008", "--cumulative"}, text);
    ASSERT_EQ(cumulative.status, 0) << cumulative.err;
    EXPECT_EQ(cumulative.out, Expected(kNumberButton, text, u"2008", true));

    const ProgramRun zodiac = RunProgram(CHGU_CLI_PATH, {"zodiac"}, text);
    ASSERT_EQ(zodiac.status, 0) << zodiac.err;
    EXPECT_EQ(zodiac.out, Expected(kZodiac, text, u"2008"));
}

TEST(ChguCliHostileInput, BytesThatAreNotUtf8CountAsReplacementCharacters) {
    const std::string& input = platform::test::kMalformedUtf8;
    for (const auto& [statistic, Index] :
         {std::pair{"number", kNumberButton}, std::pair{"zodiac", kZodiac},
          std::pair{"normalise", kNormaliseButton}}) {
        std::vector<std::string> arguments{statistic};
        if (Index == kNumberButton) {
            arguments.push_back("--table-year=2008");
        }
        const ProgramRun run = RunProgram(CHGU_CLI_PATH, arguments, input);
        ASSERT_EQ(run.status, 0) << statistic << ": " << run.err;
        EXPECT_EQ(run.out, Expected(Index, input, u"2008")) << statistic;
    }
}

TEST(ChguCliHostileInput, ArgumentsThatAreNotTextAreRefusedOrTakenAsNoYear) {
    const std::string& unpaired = platform::test::kArgumentThatIsNoText;
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"number", "tips" + unpaired + ".txt"},
          {"zodiac" + unpaired},
          {"number", "--encoding", unpaired},
          {"number", "--" + unpaired}}) {
        const ProgramRun run = RunProgram(CHGU_CLI_PATH, arguments, "鼠");
        EXPECT_EQ(run.status, 2) << arguments.back();
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("chgu-cli: ")) << run.err;
    }
    // A table year that names no year: no zodiac table applies, so 鼠 names
    // no number.
    const ProgramRun run = RunProgram(CHGU_CLI_PATH, {"number", "--table-year", unpaired}, "鼠05");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, Expected(kNumberButton, "鼠05", u"no year"));
}

TEST(ChguCliHostileInput, FailingStandardStreamsAreErrors) {
    platform::test::ExpectFailingStreamsAreErrors(CHGU_CLI_PATH, "chgu-cli",
                                                  {"number", "--table-year", "2008"});
}

}  // namespace
}  // namespace chgu
