// year-tables: writes the year-tables file of the years FIRST..LAST by the
// standard rules, to FILE or to standard output.
//
//   year-tables 2011 2040 YearTables.txt
//
// FIRST after 2011 gives the lines to add to the end of an existing file.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/command_line.h"
#include "yeartables/standard_rules.h"

namespace {

constexpr std::string_view kUsage =
    "usage: year-tables FIRST LAST [FILE]\n"
    "\n"
    "Writes the zodiac and element tables of the years FIRST..LAST (2011..9999)\n"
    "by the standard rules, one line per year, to FILE or standard output.\n"
    "A year-tables file starts at 2011; a later FIRST gives lines to add to one.\n";

// A year as written: digits only, at most four of them.
std::optional<int> YearOf(std::string_view text) {
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (text.empty() || text.size() > 4 || error != std::errc() ||
        end != text.data() + text.size() || year < 0) {
        return std::nullopt;
    }
    return year;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "year-tables: %s\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = platform::CommandLineArguments(argc, argv);
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
        return 0;
    }
    if (arguments.size() < 2 || arguments.size() > 3) {
        return Fail("FIRST and LAST expected (see --help)");
    }
    const auto first = YearOf(arguments[0]);
    const auto last = YearOf(arguments[1]);
    if (!first || !last) {
        return Fail("'" + arguments[first ? 1 : 0] + "' is not a year (see --help)");
    }
    if (*first < yeartables::kFirstFileYear) {
        const std::string start = std::to_string(yeartables::kFirstFileYear);
        return Fail("FIRST " + arguments[0] + " is before " + start +
                    ": the programs hold the earlier years' tables, a file starts at " + start);
    }
    if (*first > *last) {
        return Fail("FIRST " + arguments[0] + " is after LAST " + arguments[1]);
    }
    const std::string text = yeartables::GeneratedYearTables(*first, *last);
    if (arguments.size() == 3) {
        std::ofstream out(platform::PathFromArgument(arguments[2]), std::ios::binary);
        if (!(out << text) || !out.flush()) {
            return Fail("cannot write '" + arguments[2] + "'");
        }
        return 0;
    }
    platform::UseBinaryStandardStreams();
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        return Fail("cannot write standard output");
    }
    return 0;
}
