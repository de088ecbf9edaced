// Program A's worked examples, each written down once: the README's and
// those of the reports' descriptions. The engine, kova-cli (in every format)
// and the window in memory each run every one and must give its report;
// kova-cli reads it as its Input column says.
#pragma once

#include <string>
#include <vector>

namespace kova::test {

struct WorkedExample {
    std::string statistic;  // as kova-cli names it: "number", "zodiac", ...
    int year;               // the number statistic's year (2003..2010)
    int layout;             // 1: 排列方式1 (continuation lines), 2: 排列方式2
    std::string text;       // UTF-8
    std::string report;     // UTF-8, every line followed by CR LF
    // How kova-cli reads the text: on standard input in UTF-8 (the default),
    // or from a file named on the command line, in UTF-8 or in code page 936
    // (--encoding gbk, the report then in code page 936 too).
    enum class Input { kStandardInput, kFile, kGbkFile };
    Input input = Input::kStandardInput;
};

const std::vector<WorkedExample>& WorkedExamples();

}  // namespace kova::test
