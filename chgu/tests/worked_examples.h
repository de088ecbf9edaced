// Program B's worked examples, each written down once: the road of one
// request (also the README's example) and the examples of the reports'
// description. The engine, chgu-cli (in every format) and Form1 in memory
// each run every one and must give its report; chgu-cli reads it as its
// Input column says.
#pragma once

#include <string>
#include <vector>

namespace chgu::test {

struct WorkedExample {
    std::string statistic;   // as chgu-cli names it: "number", "zodiac", ...
    std::string table_year;  // the number statistic's table year
    bool long_lines;         // 长行排列 (chgu-cli without --short-lines)
    std::string text;        // UTF-8
    std::string report;      // UTF-8, every line followed by CR LF
    // How chgu-cli reads the text: on standard input in UTF-8 (the
    // default), or from a file named on the command line, in UTF-8 or in
    // code page 936 (--encoding gbk, the report then in code page 936 too).
    enum class Input { kStandardInput, kFile, kGbkFile };
    Input input = Input::kStandardInput;
};

const std::vector<WorkedExample>& WorkedExamples();

}  // namespace chgu::test
