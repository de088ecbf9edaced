// The standard rules from which the tables of any year follow:
// - the year's animal (that of number 01) moves on one place of the cycle a
//   year, 2008 being 鼠;
// - number n in year Y takes the sound element (纳音五行) of the year
//   Y - (n - 1) of the sixty-year cycle, whose years go in pairs (甲子 乙丑
//   金, 丙寅 丁卯 火, 戊辰 己巳 木, ...), 1984 being 甲子.
// They reproduce both programs' printed tables of 2003..2009; the printed row
// of 2010 has 水 for number 01 where the rule gives 木, and stays as printed.
#pragma once

#include "yeartables/year_row.h"

namespace yeartables {

// Index into kAnimalNames of the year's own animal.
int AnimalOfYear(int year);

// Index into kElementNames of the sound element of a year of the cycle.
int SoundElementOfYear(int year);

YearRow StandardYearRow(int year);

// The years kFirstFileYear..last by the rules, as a file of them reads.
FileYears StandardFileYears(int last);

}  // namespace yeartables

#include <string>

namespace yeartables {

// The year-tables file of the years first..last by the standard rules, as
// the generator writes it: UTF-8 with a byte-order mark (which every Notepad
// reads right), CR LF line ends, a few comment lines for the user first.
std::string GeneratedYearTables(int first, int last);

}  // namespace yeartables
