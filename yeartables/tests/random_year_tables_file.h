// Year-tables files with random tables, written in the many ways the reader
// takes, for the tests that compare the programs with their literal models.
// Written here on their own, not by the reader's formatter.
#pragma once

#include <array>
#include <random>
#include <string>
#include <vector>

namespace yeartables::test {

struct WrittenYear {
    int year = 0;
    int animal = 0;                 // of number 01: 0 鼠 .. 11 猪
    std::array<int, 50> element{};  // element[n] of number n = 1..49: 0 金 .. 4 土
};

struct WrittenFile {
    std::vector<WrittenYear> years;  // 2011, 2012, ...
    std::string text;                // UTF-8
};

// The years 2011..2010 + count, each with a random animal and a random
// element for every number (an element may have no numbers), with comments,
// blank lines, the lists in random order, half- and full-width separators,
// one- and two-digit numbers and any line ends.
WrittenFile RandomYearTablesFile(std::mt19937& random, int count);

}  // namespace yeartables::test
