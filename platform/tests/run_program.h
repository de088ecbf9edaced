// Runs a program as a user runs it from a shell, for the command-line tests:
// arguments passed exactly (no shell between), standard input from bytes,
// standard output and error caught whole. Each run has a configuration
// folder of its own (XDG_CONFIG_HOME, empty), so that nothing the developer
// stored reaches the tests.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace platform::test {

struct ProgramRun {
    int status = -1;  // exit status, -1 when the program did not end normally
    std::string out;
    std::string err;
};

// Standard streams that fail, instead of the input bytes and the caught
// output.
struct FailingStreams {
    // Standard input read from this path (a folder, say) instead.
    std::optional<std::string> input_from;
    // No standard input at all: the descriptor is closed.
    bool input_closed = false;
    // Standard output written to this path (/dev/full, say) instead.
    std::optional<std::string> output_to;
};

// What else a run is given.
struct RunSetting {
    // Variables set in its environment ("NAME=value"), over those it would
    // have otherwise (XDG_CONFIG_HOME among them).
    std::vector<std::string> environment;
    // A limit of its address space (POSIX; ignored on Windows).
    std::optional<std::size_t> address_space_bytes;
    // A limit of its stack (POSIX; ignored on Windows), which the C library
    // also takes as the stack of every thread the program starts.
    std::optional<std::size_t> stack_bytes;
};

// A program that has not ended after two minutes is ended, and the caught
// error output says so, naming it.
// program: a path of the build (on Windows under Wine, a POSIX path is
// reached through drive Z:). Arguments are bytes on POSIX; on Windows they
// are read as UTF-8 in which UTF-16 surrogates may stand alone (encoded as
// three bytes ED A0..BF xx), so that a test can pass any UTF-16 argument.
ProgramRun RunProgram(std::string program, const std::vector<std::string>& arguments,
                      const std::string& input, const FailingStreams& streams = {},
                      const RunSetting& setting = {});

// A one-line standard error without its line end, which is CR LF on Windows
// (a text stream there); any other line break is left in, for the test to
// see.
std::string OneErrorLine(const ProgramRun& run);

}  // namespace platform::test
