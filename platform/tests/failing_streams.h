// Both command-line tools meet standard streams that fail as every other
// error: exit status 2 and one line on standard error that says which stream,
// never a success reported over lost output.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_program.h"
#include "temp_folder.h"

namespace platform::test {

// tool: the program's name as its messages begin ("kova-cli"); arguments:
// a statistic that reads standard input.
inline void ExpectFailingStreamsAreErrors(const std::string& program, const std::string& tool,
                                          const std::vector<std::string>& arguments) {
    const TempFolder folder;
    FailingStreams full_disk;
    full_disk.output_to = "/dev/full";
    FailingStreams folder_as_input;
    folder_as_input.input_from = folder.path().string();
    FailingStreams no_input;
    no_input.input_closed = true;
    struct Case {
        const char* what;
        std::vector<std::string> arguments;
        FailingStreams streams;
        const char* message;
    };
    const Case cases[] = {
        {"a full disk", arguments, full_disk, "cannot write standard output"},
        {"help on a full disk", {"--help"}, full_disk, "cannot write standard output"},
        {"a folder as input", arguments, folder_as_input, "cannot read standard input"},
        {"no input at all", arguments, no_input, "cannot read standard input"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(program, c.arguments, "05", c.streams);
        EXPECT_EQ(run.status, 2) << c.what;
        EXPECT_EQ(run.out, "") << c.what;
        EXPECT_TRUE(run.err.starts_with(tool + ": " + c.message)) << c.what << ": " << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << c.what << ": " << run.err;
    }
}

}  // namespace platform::test
