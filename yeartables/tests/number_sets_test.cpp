// A file's years as the number sets both programs look up.
#include "yeartables/year_number_sets.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "yeartables/numbers.h"
#include "yeartables/standard_rules.h"

namespace yeartables {
namespace {

std::string Numbers(NumberBits bits) {
    std::string text;
    for (int n = kFirstNumber; n <= kLastNumber; ++n) {
        if ((bits >> n) & 1U) {
            if (!text.empty()) text += ' ';
            AppendTwoDigits(text, n);
        }
    }
    return text;
}

// 2026, a year of 马: 马 is number 01's, 羊 the animal one place on in the
// cycle falls to 12; 火 and 金 as the almanac gives them.
TEST(NumberSetsOf, EachYearsAnimalsAndElements) {
    const std::vector<YearNumberSets> years = NumberSetsOf(StandardFileYears(2026));
    ASSERT_EQ(years.size(), 16u);
    const YearNumberSets& year = years.back();
    EXPECT_EQ(year.year, 2026);
    EXPECT_EQ(kAnimalNames[year.animal], u"马");
    EXPECT_EQ(Numbers(year.animals[6]), "01 13 25 37 49");                        // 马
    EXPECT_EQ(Numbers(year.animals[7]), "12 24 36 48");                           // 羊
    EXPECT_EQ(Numbers(year.animals[5]), "02 14 26 38");                           // 蛇
    EXPECT_EQ(Numbers(year.elements[3]), "02 03 10 11 18 19 32 33 40 41 48 49");  // 火
    EXPECT_EQ(Numbers(year.elements[0]), "04 05 12 13 26 27 34 35 42 43");        // 金
    NumberBits all_animals = 0;
    NumberBits all_elements = 0;
    for (const NumberBits bits : year.animals) {
        EXPECT_EQ(all_animals & bits, 0u);
        all_animals |= bits;
    }
    for (const NumberBits bits : year.elements) {
        EXPECT_EQ(all_elements & bits, 0u);
        all_elements |= bits;
    }
    EXPECT_EQ(all_animals, ((NumberBits{1} << 49) - 1) << 1);
    EXPECT_EQ(all_elements, all_animals);
}

// Rows the reader never gives: a gap before a year, an animal or an element
// outside its cycle.
TEST(NumberSetsOf, RowsNotAsTheReaderGivesThemAreRefused) {
    FileYears file;
    file.rows = {StandardYearRow(2012)};
    EXPECT_THROW(NumberSetsOf(file), std::invalid_argument);
    file.rows = {StandardYearRow(2011), StandardYearRow(2011)};
    EXPECT_THROW(NumberSetsOf(file), std::invalid_argument);
    file.rows = {StandardYearRow(2011)};
    file.rows[0].animal = 12;
    EXPECT_THROW(NumberSetsOf(file), std::invalid_argument);
    file.rows = {StandardYearRow(2011)};
    file.rows[0].element[6] = 5;
    EXPECT_THROW(NumberSetsOf(file), std::invalid_argument);
}

}  // namespace
}  // namespace yeartables
