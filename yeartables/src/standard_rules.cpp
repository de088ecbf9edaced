#include "yeartables/standard_rules.h"

namespace yeartables {

namespace {

constexpr int kRatYear = 2008;
constexpr int kFirstYearOfCycle = 1984;  // 甲子
constexpr int kCycleYears = 60;

enum Element : std::uint8_t { kMetal, kWood, kWater, kFire, kEarth };  // as kElementNames

// The sound elements of the thirty pairs of years, from 甲子 乙丑 on.
constexpr std::array<Element, kCycleYears / 2> kSoundElementOfPair = {
    kMetal /* 甲子 乙丑 */, kFire /* 丙寅 丁卯 */,  kWood /* 戊辰 己巳 */,  kEarth /* 庚午 辛未 */,
    kMetal /* 壬申 癸酉 */, kFire /* 甲戌 乙亥 */,  kWater /* 丙子 丁丑 */, kEarth /* 戊寅 己卯 */,
    kMetal /* 庚辰 辛巳 */, kWood /* 壬午 癸未 */,  kWater /* 甲申 乙酉 */, kEarth /* 丙戌 丁亥 */,
    kFire /* 戊子 己丑 */,  kWood /* 庚寅 辛卯 */,  kWater /* 壬辰 癸巳 */, kMetal /* 甲午 乙未 */,
    kFire /* 丙申 丁酉 */,  kWood /* 戊戌 己亥 */,  kEarth /* 庚子 辛丑 */, kMetal /* 壬寅 癸卯 */,
    kFire /* 甲辰 乙巳 */,  kWater /* 丙午 丁未 */, kEarth /* 戊申 己酉 */, kMetal /* 庚戌 辛亥 */,
    kWood /* 壬子 癸丑 */,  kWater /* 甲寅 乙卯 */, kEarth /* 丙辰 丁巳 */, kFire /* 戊午 己未 */,
    kWood /* 庚申 辛酉 */,  kWater /* 壬戌 癸亥 */,
};

constexpr int Modulo(int value, int divisor) {
    return (value % divisor + divisor) % divisor;
}

}  // namespace

int AnimalOfYear(int year) {
    return Modulo(year - kRatYear, static_cast<int>(kAnimalNames.size()));
}

int SoundElementOfYear(int year) {
    return kSoundElementOfPair[static_cast<std::size_t>(
        Modulo(year - kFirstYearOfCycle, kCycleYears) / 2)];
}

YearRow StandardYearRow(int year) {
    YearRow row;
    row.year = year;
    row.animal = static_cast<std::uint8_t>(AnimalOfYear(year));
    for (int number = 1; number <= kNumberCount; ++number) {
        row.element[static_cast<std::size_t>(number - 1)] =
            static_cast<std::uint8_t>(SoundElementOfYear(year - (number - 1)));
    }
    return row;
}

FileYears StandardFileYears(int last) {
    FileYears years;
    for (int year = kFirstFileYear; year <= last; ++year) {
        years.rows.push_back(StandardYearRow(year));
    }
    return years;
}

}  // namespace yeartables
