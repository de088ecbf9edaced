// A command-line tool's whole path over one large input, step by step:
// where its time goes, how it compares with the engine alone on the same
// text, and how much memory it takes. Each tool's benchmark times its own
// steps with its own functions and prints them through these.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

// The steps of a run, in seconds.
struct PathSteps {
    double read = 0;     // the file into memory, as it is
    double convert = 0;  // to the engine's text, block by block as it is read
    double tally = 0;    // the engine's counting
    double report = 0;   // the report and the output's form
    double write = 0;    // the output to a file
};

// The best of a few runs of `step`, in seconds.
double BestSeconds(const std::function<void()>& step);

// Writes bytes to the null device and flushes, as the tool writes to a
// redirected standard output.
void WriteToNullDevice(std::string_view bytes);

// The tool run as a program (its output to the null device): the best wall
// time of a few runs, and the largest resident memory of any, in bytes.
struct ProgramRun {
    bool ok = false;
    double seconds = 0;
    std::uint64_t peak_bytes = 0;
};
ProgramRun RunProgram(const std::vector<std::string>& arguments);

// Prints each step's time and share of the whole, then the tool's own run
// against the engine's time, and its memory against the input's size.
// False when a target is missed: the tool at most twice the engine's time,
// its memory under three times the input.
bool PrintPath(std::string_view tool, std::uint64_t input_bytes, const PathSteps& steps,
               const ProgramRun& run);

}  // namespace bench
