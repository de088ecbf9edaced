// kova-cli on what users and scripts may throw at it: a paste of megabytes,
// bytes that are not UTF-8, and command lines whose arguments are not text at
// all.
// It reports or refuses clearly; it never crashes or drops the rest.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "kova/statistics.h"
#include "malformed_text.h"
#include "platform/codepage.h"
#include "run_program.h"
#include "temp_folder.h"
#include "tip_text.h"

namespace {

using platform::test::ProgramRun;
using platform::test::RunProgram;

std::string ExpectedUtf8(const kova::ReportLines& lines) {
    return platform::GbkToUtf8(kova::ReportText(lines));
}

TEST(KovaCliHostileInput, SeveralMegabytesAreTalliedWhole) {
    // Read in several chunks; the 100 MB runs are scripts/bench.sh's.
    const std::string text = bench::GenerateTipText(5u << 20, 100);
    const std::string gbk = platform::Utf8ToGbk(text);

    const ProgramRun number = RunProgram(KOVA_CLI_PATH, {"number", "--year", "2008"}, text);
    ASSERT_EQ(number.status, 0) << number.err;
    EXPECT_EQ(number.out,
              ExpectedUtf8(kova::NumberStatistics(gbk, 2008, kova::Arrangement::kWrapped)));

    const ProgramRun zodiac = RunProgram(KOVA_CLI_PATH, {"zodiac"}, text);
    ASSERT_EQ(zodiac.status, 0) << zodiac.err;
    EXPECT_EQ(zodiac.out,
              ExpectedUtf8(kova::Report(kova::StatisticNamed("ZodiacStatistics"), gbk)));
}

TEST(KovaCliHostileInput, BytesThatAreNotUtf8CountAsReplacementCharacters) {
    // Each malformed sequence becomes U+FFFD, which no word contains.
    const std::string& input = platform::test::kMalformedUtf8;
    const std::string gbk = platform::Utf8ToGbk(input);
    ASSERT_NE(gbk.find('?'), std::string::npos);
    const ProgramRun number = RunProgram(KOVA_CLI_PATH, {"number", "--year", "2008"}, input);
    ASSERT_EQ(number.status, 0) << number.err;
    EXPECT_EQ(number.out,
              ExpectedUtf8(kova::NumberStatistics(gbk, 2008, kova::Arrangement::kWrapped)));
    const ProgramRun zodiac = RunProgram(KOVA_CLI_PATH, {"zodiac"}, input);
    ASSERT_EQ(zodiac.status, 0) << zodiac.err;
    EXPECT_EQ(zodiac.out,
              ExpectedUtf8(kova::Report(kova::StatisticNamed("ZodiacStatistics"), gbk)));
}

TEST(KovaCliHostileInput, ArgumentsThatAreNotTextAreRefusedClearly) {
    const std::string& unpaired = platform::test::kArgumentThatIsNoText;
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"number", "tips" + unpaired + ".txt"},
          {"number", "--year", unpaired},
          {"zodiac" + unpaired},
          {"number", "--layout", unpaired}}) {
        const ProgramRun run = RunProgram(KOVA_CLI_PATH, arguments, "鼠");
        EXPECT_EQ(run.status, 2) << arguments.back();
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("kova-cli: ")) << run.err;
    }
}

TEST(KovaCliHostileInput, FileNamesOutsideTheAnsiCodePageAreOpened) {
    // Windows hands programs their arguments in the ANSI code page too,
    // where these characters do not exist.
    const platform::test::TempFolder temp;
    const std::filesystem::path& folder = temp.path();
    const std::u16string name = u"提示ÄΩ🐭.txt";
    const std::filesystem::path file =
        folder / std::filesystem::path(std::u8string(
                     reinterpret_cast<const char8_t*>(platform::Utf16ToUtf8(name).c_str())));
    std::ofstream(file, std::ios::binary) << "鼠 05";
    const std::string argument = (folder.string() + "/").append(platform::Utf16ToUtf8(name));
    const ProgramRun run = RunProgram(KOVA_CLI_PATH, {"zodiac", argument}, "");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, ExpectedUtf8(kova::Report(kova::StatisticNamed("ZodiacStatistics"),
                                                 platform::Utf8ToGbk("鼠 05"))));
}

}  // namespace
