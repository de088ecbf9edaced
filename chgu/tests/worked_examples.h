// Program B's worked examples, each written down once: the road of one
// request (also the README's example) and the examples of the reports'
// description. The engine, chgu-cli (in every format) and Form1 in memory
// each run every one and must give its report.
#pragma once

#include <string>
#include <vector>

namespace chgu::test {

struct WorkedExample {
    std::string statistic;  // as chgu-cli names it: "number", "zodiac", ...
    std::string table_year; // the number statistic's table year
    bool long_lines;        // 长行排列 (chgu-cli without --short-lines)
    std::string text;       // UTF-8
    std::string report;     // UTF-8, every line followed by CR LF
};

const std::vector<WorkedExample>& WorkedExamples();

}  // namespace chgu::test
