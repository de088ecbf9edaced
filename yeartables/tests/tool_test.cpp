// The generator's own mistakes: one clear line on standard error, nothing
// written, exit status 2.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "run_program.h"
#include "temp_folder.h"

namespace {

using platform::test::FailingStreams;
using platform::test::OneErrorLine;
using platform::test::RunProgram;

TEST(YearTablesTool, MistakesAreToldWithStatus2) {
    const platform::test::TempFolder folder;
    FailingStreams full_disk;
    full_disk.output_to = "/dev/full";
    const std::string no_folder = (folder.path() / "missing" / "YearTables.txt").string();
    const struct {
        std::vector<std::string> arguments;
        FailingStreams streams;
        std::string message;
    } cases[] = {
        {{"2010", "2040"},
         {},
         "year-tables: FIRST 2010 is before 2011: the programs hold the earlier years' tables, "
         "a file starts at 2011"},
        {{"2041", "2040"}, {}, "year-tables: FIRST 2041 is after LAST 2040"},
        {{"2011", "2040", no_folder}, {}, "year-tables: cannot write '" + no_folder + "'"},
        {{"2011", "2040"}, full_disk, "year-tables: cannot write standard output"},
    };
    for (const auto& c : cases) {
        const auto run = RunProgram(YEAR_TABLES_PATH, c.arguments, "", c.streams);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_EQ(OneErrorLine(run), c.message);
        if (!c.streams.output_to) {
            EXPECT_EQ(run.out, "") << c.message;
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
