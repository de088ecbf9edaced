#include "fixed_tables.h"

#include <cstddef>

namespace chgu::detail {

namespace {

constexpr int Head(int n) {
    return n / 10;
}
constexpr int Tail(int n) {
    return n % 10;
}
constexpr int DigitSum(int n) {
    return Head(n) + Tail(n);
}

template <std::size_t Size, typename Key>
constexpr std::array<NumberSet, Size> ClassesBy(Key key, int first_class) {
    std::array<NumberSet, Size> sets{};
    for (std::size_t i = 0; i < Size; ++i) {
        const int wanted = first_class + static_cast<int>(i);
        sets[i] = NumbersWhere([&](int n) { return key(n) == wanted; });
    }
    return sets;
}

constexpr auto kHeads = ClassesBy<5>(Head, 0);
constexpr auto kTails = ClassesBy<10>(Tail, 0);
constexpr auto kDigitSums = ClassesBy<13>(DigitSum, 1);

// The wave colours follow no rule.
constexpr std::array<NumberSet, 3> kColours = {
    ParseNumberList(u"01,02,07,08,12,13,18,19,23,24,29,30,34,35,40,45,46,"),
    ParseNumberList(u"05,06,11,16,17,21,22,27,28,32,33,38,39,43,44,49,"),
    ParseNumberList(u"03,04,09,10,14,15,20,25,26,31,36,37,41,42,47,48,"),
};
constexpr NumberSet kRed = kColours[0];
constexpr NumberSet kGreen = kColours[1];
constexpr NumberSet kBlue = kColours[2];

constexpr NumberSet kOdd = NumbersWhere([](int n) { return n % 2 == 1; });
constexpr NumberSet kEven = NumbersWhere([](int n) { return n % 2 == 0; });
constexpr std::array<NumberSet, 2> kParities = {kOdd, kEven};

constexpr NumberSet kBig = NumbersWhere([](int n) { return n >= 25; });
constexpr NumberSet kSmall = NumbersWhere([](int n) { return n <= 24; });
constexpr std::array<NumberSet, 2> kSizes = {kBig, kSmall};

// In the order of kCompoundWords: 合单 合双 合大 合小 大单 小单 大双 小双
// 红单 红双 绿单 绿双 蓝单 蓝双.
constexpr std::array<NumberSet, 14> kCompounds = {
    NumbersWhere([](int n) { return DigitSum(n) % 2 == 1; }),
    NumbersWhere([](int n) { return DigitSum(n) % 2 == 0; }),
    NumbersWhere([](int n) { return DigitSum(n) >= 7; }),
    NumbersWhere([](int n) { return DigitSum(n) <= 6; }),
    kBig& kOdd,
    kSmall& kOdd,
    kBig& kEven,
    kSmall& kEven,
    kRed& kOdd,
    kRed& kEven,
    kGreen& kOdd,
    kGreen& kEven,
    kBlue& kOdd,
    kBlue& kEven,
};

}  // namespace

const std::array<NumberSet, 5>& HeadTable() {
    return kHeads;
}
const std::array<NumberSet, 10>& TailTable() {
    return kTails;
}
const std::array<NumberSet, 3>& ColourTable() {
    return kColours;
}
const std::array<NumberSet, 13>& DigitSumTable() {
    return kDigitSums;
}
const std::array<NumberSet, 2>& ParityTable() {
    return kParities;
}
const std::array<NumberSet, 2>& SizeTable() {
    return kSizes;
}
const std::array<NumberSet, 14>& CompoundTable() {
    return kCompounds;
}

}  // namespace chgu::detail
