// Program A's worked examples, each written down once: the README's and
// those of the reports' descriptions. The engine, kova-cli (in every format)
// and the window in memory each run every one and must give its report.
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
};

const std::vector<WorkedExample>& WorkedExamples();

}  // namespace kova::test
