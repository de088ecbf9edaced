// Runs a program as a user runs it from a shell, for the command-line tests:
// arguments passed exactly (no shell between), standard input from bytes,
// standard output and error caught whole.
#pragma once

#include <string>
#include <vector>

namespace platform::test {

struct ProgramRun {
    int status = -1;  // exit status, -1 when the program did not end normally
    std::string out;
    std::string err;
};

// program: a path of the build (on Windows under Wine, a POSIX path is
// reached through drive Z:). Arguments are bytes on POSIX; on Windows they
// are read as UTF-8 in which UTF-16 surrogates may stand alone (encoded as
// three bytes ED A0..BF xx), so that a test can pass any UTF-16 argument.
ProgramRun RunProgram(std::string program, const std::vector<std::string>& arguments,
                      const std::string& input);

// A one-line standard error without its line end, which is CR LF on Windows
// (a text stream there); any other line break is left in, for the test to
// see.
std::string OneErrorLine(const ProgramRun& run);

}  // namespace platform::test
