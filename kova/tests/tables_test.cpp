#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "kova/tables.h"
#include "platform/codepage.h"

using namespace kova;

namespace {

NumberSet Set(std::string_view list) {
    return NumberSet::FromList(list);
}

template <std::size_t N>
void ExpectWords(const std::array<std::string_view, N>& gbk, std::vector<const char*> utf8) {
    ASSERT_EQ(gbk.size(), utf8.size());
    for (std::size_t i = 0; i < N; ++i) {
        EXPECT_EQ(gbk[i], platform::Utf8ToGbk(utf8[i])) << utf8[i];
    }
}

// The element of number 01 in each year, 2003..2010, as the rows give it.
constexpr const char* kElementOfOne[] = {"木", "水", "水", "土", "土", "火", "火", "水"};

int ElementIndex(std::string_view utf8) {
    for (std::size_t i = 0; i < ElementNames.size(); ++i) {
        if (ElementNames[i] == platform::Utf8ToGbk(utf8)) return static_cast<int>(i + 1);
    }
    return 0;
}

}  // namespace

TEST(ClassWords, AreTheCodePage936FormsOfTheirCharacters) {
    ExpectWords(ZodiacNames,
                {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"});
    ExpectWords(HeadNames, {"0头", "1头", "2头", "3头", "4头"});
    ExpectWords(TailNames, {"0尾", "1尾", "2尾", "3尾", "4尾", "5尾", "6尾", "7尾", "8尾", "9尾"});
    ExpectWords(ElementNames, {"金", "木", "水", "火", "土"});
    ExpectWords(DigitSumNames, {"1合", "2合", "3合", "4合", "5合", "6合", "7合", "8合", "9合",
                                "10合", "11合", "12合", "13合"});
    ExpectWords(WaveNames, {"红", "绿", "蓝"});
    ExpectWords(BigSmallNames, {"大", "小"});
    ExpectWords(OddEvenNames, {"单", "双"});
    ExpectWords(SumOddEvenNames, {"合单", "合双"});
    ExpectWords(SegmentNames, {"一段", "二段", "三段", "四段", "五段", "六段", "七段"});
    ExpectWords(SumBigSmallNames, {"合大", "合小"});
    EXPECT_EQ(kBlueAlias, platform::Utf8ToGbk("兰"));
    const char* half_waves[] = {"红单", "红双", "绿单", "绿双", "蓝单", "蓝双"};
    for (std::size_t i = 0; i < HalfWaves.size(); ++i) {
        EXPECT_EQ(HalfWaves[i].name, platform::Utf8ToGbk(half_waves[i]));
    }
}

TEST(ElementRows, EachYearPartitionsTheNumbersAndFollowsTheYearBefore) {
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        NumberSet all;
        for (int element = 1; element <= 5; ++element) {
            EXPECT_TRUE((all & NumbersOfElement(element, year)).Empty()) << year;
            all = all | NumbersOfElement(element, year);
        }
        EXPECT_EQ(all.Size(), 49) << year;
        // Number 01 takes the element the row gives it; every other number
        // the element its predecessor had the year before.
        EXPECT_EQ(ElementOfNumber(1, year), ElementIndex(kElementOfOne[year - kFirstYear])) << year;
        for (int n = 2; year > kFirstYear && n <= 49; ++n) {
            EXPECT_EQ(ElementOfNumber(n, year), ElementOfNumber(n - 1, year - 1))
                << year << " " << n;
        }
    }
    EXPECT_EQ(ElementOfNumber(1, 2010), ElementIndex("水"));  // not 金, which 49 had in 2009
    EXPECT_EQ(ElementOfNumber(49, 2010), ElementIndex("金"));
    EXPECT_EQ(ElementOfNumber(1, 2003), ElementIndex("木"));
    EXPECT_EQ(ElementOfNumber(49, 2003), ElementIndex("金"));
}

TEST(ZodiacByYear, NumberOneCarriesTheYearsAnimalAndTheCycleRunsBackwards) {
    EXPECT_EQ(NumbersOfAnimal(1, 2008), Set("01 13 25 37 49"));  // 鼠
    EXPECT_EQ(NumbersOfAnimal(12, 2008), Set("02 14 26 38"));    // 猪
    EXPECT_EQ(NumbersOfAnimal(8, 2003), Set("01 13 25 37 49"));  // 羊
    EXPECT_EQ(NumbersOfAnimal(9, 2003), Set("12 24 36 48"));     // 猴
    EXPECT_EQ(NumbersOfAnimal(1, 2003), Set("08 20 32 44"));     // 鼠
    const int year_animals[] = {8, 9, 10, 11, 12, 1, 2, 3};      // 羊 .. 虎
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        EXPECT_EQ(AnimalOfNumber(1, year), year_animals[year - kFirstYear]);
        EXPECT_EQ(AnimalOfNumber(2, year),
                  year_animals[year - kFirstYear] == 1 ? 12 : year_animals[year - kFirstYear] - 1);
        for (int animal = 1; animal <= 12; ++animal) {
            EXPECT_EQ(NumbersOfAnimal(animal, year).Size(),
                      animal == AnimalOfNumber(1, year) ? 5 : 4);
        }
    }
}

TEST(FixedNumberSets, MatchTheirPrintedLists) {
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kHead, 1), Set("01 02 03 04 05 06 07 08 09"));
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kHead, 5), Set("40 41 42 43 44 45 46 47 48 49"));
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kTail, 1), Set("10 20 30 40"));
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kTail, 8), Set("07 17 27 37 47"));
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kDigitSum, 10), Set("19 28 37 46"));
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kDigitSum, 13), Set("49"));
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kBigSmall, 1).Numbers().front(), 25);
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kSumBigSmall, 1),
              Set("07 08 09 16 17 18 19 25 26 27 28 29 34 35 36 37 38 39 43 44 45 46 47 48 49"));
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kSumBigSmall, 2),
              Set("01 02 03 04 05 06 10 11 12 13 14 15 20 21 22 23 24 30 31 32 33 40 41 42"));
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kSumOddEven, 1),
              Set("01 03 05 07 09 10 12 14 16 18 21 23 25 27 29 30 32 34 36 38 41 43 45 47 49"));
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kSumOddEven, 2),
              Set("02 04 06 08 11 13 15 17 19 20 22 24 26 28 31 33 35 37 39 40 42 44 46 48"));
    EXPECT_EQ(NumbersOfFixedWord(FixedClass::kWave, 1),
              Set("01 02 07 08 12 13 18 19 23 24 29 30 34 35 40 45 46"));
    // Every year-independent family shares out 01..49: each number in exactly
    // one of its classes.
    const std::pair<FixedClass, int> families[] = {
        {FixedClass::kHead, 5},        {FixedClass::kTail, 10},     {FixedClass::kWave, 3},
        {FixedClass::kBigSmall, 2},    {FixedClass::kOddEven, 2},   {FixedClass::kDigitSum, 13},
        {FixedClass::kSumBigSmall, 2}, {FixedClass::kSumOddEven, 2}};
    for (const auto& [family, size] : families) {
        std::array<int, 50> classes_of{};
        for (int i = 1; i <= size; ++i) {
            for (int n : NumbersOfFixedWord(family, i).Numbers()) {
                ASSERT_TRUE(n >= 1 && n <= 49) << static_cast<int>(family) << " " << n;
                ++classes_of[static_cast<std::size_t>(n)];
            }
        }
        for (int n = 1; n <= 49; ++n) {
            EXPECT_EQ(classes_of[static_cast<std::size_t>(n)], 1)
                << "family " << static_cast<int>(family) << ", number " << n;
        }
    }
}

TEST(HalfWaves, CaptionsAreTheWaveAndParityIntersections) {
    for (std::size_t i = 0; i < HalfWaves.size(); ++i) {
        const NumberSet expected =
            NumbersOfFixedWord(FixedClass::kWave, static_cast<int>(i / 2 + 1)) &
            NumbersOfFixedWord(FixedClass::kOddEven, static_cast<int>(i % 2 + 1));
        EXPECT_EQ(Set(HalfWaves[i].caption), expected) << HalfWaves[i].caption;
        for (int n : expected.Numbers()) {
            EXPECT_EQ(static_cast<int>(WaveOfNumber(n)), static_cast<int>(i / 2 + 1));
        }
    }
}
