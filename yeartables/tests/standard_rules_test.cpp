// The standard rules against the tables both programs print for 2003..2010.
#include <gtest/gtest.h>

#include "chgu/lookups.h"
#include "kova/tables.h"
#include "yeartables/standard_rules.h"

namespace yeartables {
namespace {

constexpr int kWood = 1;
constexpr int kWater = 2;

// The printed row of 2010 gives number 01 水 where the rule gives 木; every
// other number of every printed year is the rule's.
bool PrintedDiffersFromTheRule(int year, int number) {
    return year == 2010 && number == 1;
}

TEST(StandardRules, ReproduceProgramAsPrintedTables) {
    for (int year = 2003; year <= 2010; ++year) {
        const YearRow rule = StandardYearRow(year);
        for (int n = 1; n <= kNumberCount; ++n) {
            EXPECT_EQ(kova::AnimalOfNumber(n, year) - 1, AnimalOfNumber(rule.animal, n))
                << year << " " << n;
            const int printed = kova::ElementOfNumber(n, year) - 1;
            if (PrintedDiffersFromTheRule(year, n)) {
                EXPECT_EQ(printed, kWater);
                EXPECT_EQ(rule.element[0], kWood);
            } else {
                EXPECT_EQ(printed, rule.element[static_cast<std::size_t>(n - 1)])
                    << year << " " << n;
            }
        }
    }
}

TEST(StandardRules, ReproduceProgramBsPrintedTables) {
    for (std::size_t column = 0; column < 6; ++column) {
        const int year = 2005 + static_cast<int>(column);
        const YearRow rule = StandardYearRow(year);
        for (int n = 1; n <= kNumberCount; ++n) {
            const auto holds = [&](chgu::NumberSet set) { return ((set >> n) & 1U) != 0; };
            for (std::size_t animal = 0; animal < kAnimalNames.size(); ++animal) {
                EXPECT_EQ(holds(chgu::NumbersOfAnimal(animal, column)),
                          static_cast<int>(animal) == AnimalOfNumber(rule.animal, n))
                    << year << " " << n;
            }
            for (std::size_t element = 0; element < kElementNames.size(); ++element) {
                const bool printed = holds(chgu::NumbersOfElement(element, column));
                const int by_rule = PrintedDiffersFromTheRule(year, n)
                                        ? kWater
                                        : rule.element[static_cast<std::size_t>(n - 1)];
                EXPECT_EQ(printed, static_cast<int>(element) == by_rule) << year << " " << n;
            }
        }
    }
    EXPECT_EQ(StandardYearRow(2010).element[0], kWood);
}

// Years of the sixty-year cycle whose sound element every almanac gives.
TEST(StandardRules, SoundElementsOfKnownYears) {
    const std::pair<int, std::u16string_view> known[] = {
        {1984, u"金"} /* 甲子 海中金 */, {1986, u"火"} /* 丙寅 炉中火 */,
        {2006, u"土"} /* 丙戌 屋上土 */, {2023, u"金"} /* 癸卯 金箔金 */,
        {2026, u"水"} /* 丙午 天河水 */, {2043, u"水"} /* 癸亥 大海水 */,
        {2044, u"金"} /* 甲子 again */,  {1983, u"水"} /* 癸亥 */,
    };
    for (const auto& [year, element] : known) {
        EXPECT_EQ(kElementNames[static_cast<std::size_t>(SoundElementOfYear(year))], element)
            << year;
    }
    EXPECT_EQ(kAnimalNames[static_cast<std::size_t>(AnimalOfYear(2026))], u"马");
    EXPECT_EQ(kAnimalNames[static_cast<std::size_t>(AnimalOfYear(1999))], u"兔");
}

}  // namespace
}  // namespace yeartables
