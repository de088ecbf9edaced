// Writes a generated tip text of the given size in MB (UTF-8) to standard
// output, for running the command-line tools on large inputs.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tip_text.h"

int main(int argc, char** argv) {
    const long megabytes = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (megabytes <= 0) {
        std::fprintf(stderr, "usage: tip-text-generate MEGABYTES\n");
        return 2;
    }
    // Written in 1 MB pieces with different seeds so memory stays small.
    for (long i = 0; i < megabytes; ++i) {
        const std::string piece = bench::GenerateTipText(std::size_t{1} << 20, 7000 + unsigned(i));
        std::fwrite(piece.data(), 1, piece.size(), stdout);
    }
    return 0;
}
