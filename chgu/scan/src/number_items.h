// Everything the number recognition can append, as one small id: a single
// number 01..49, or one class word of one lookup. A press appends millions of
// items but only these few distinct ones, so counting ids and turning each
// into its numbers once at the end replaces adding to up to 25 counters per
// word.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "chgu/class_words.h"
#include "chgu/lookups.h"
#include "chgu/number_list.h"
#include "chgu/scan.h"
#include "chgu/year_tables.h"

namespace chgu::detail {

// The lookups in the order their ids follow one another.
enum class Lookup : std::uint8_t { Number, Xiao, WX, Bo, Sd, Bs, Sz, Tou, Wei, He };

inline constexpr std::array<std::size_t, 10> kLookupSizes = {
    kLastNumber + 1,     kAnimalWords.size(),  kElementWords.size(),  kColourWords.size(),
    kParityWords.size(), kSizeWords.size(),    kCompoundWords.size(), kHeadWords.size(),
    kTailWords.size(),   kDigitSumWords.size()};

constexpr std::size_t FirstIdOf(Lookup lookup) {
    std::size_t id = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(lookup); ++i) {
        id += kLookupSizes[i];
    }
    return id;
}

using ItemId = std::uint8_t;
inline constexpr std::size_t kItemCount = FirstIdOf(Lookup::He) + kDigitSumWords.size();
static_assert(kItemCount <= 256, "every item id fits in a byte");

// The item of the class word at index of lookup's list (for Number, the
// number itself).
constexpr ItemId Item(Lookup lookup, std::size_t index) {
    return static_cast<ItemId>(FirstIdOf(lookup) + index);
}

using ItemNumbers = std::array<NumberSet, kItemCount>;

// The numbers of every item under the table year of the settings.
inline ItemNumbers NumbersOfItems(const ScanSettings& settings) {
    const YearTables& tables = settings.Tables ? *settings.Tables : YearTables::BuiltIn();
    const TableColumn column = tables.ColumnOf(settings.TableYear);
    ItemNumbers numbers{};
    const auto fill = [&](Lookup lookup, auto numbers_of) {
        for (std::size_t i = 0; i < kLookupSizes[static_cast<std::size_t>(lookup)]; ++i) {
            numbers[Item(lookup, i)] = numbers_of(i);
        }
    };
    fill(Lookup::Number, [](std::size_t n) { return n == 0 ? 0 : NumberBit(static_cast<int>(n)); });
    fill(Lookup::Xiao, [&](std::size_t i) { return tables.NumbersOfAnimal(i, column); });
    fill(Lookup::WX, [&](std::size_t i) { return tables.NumbersOfElement(i, column); });
    fill(Lookup::Bo, NumbersOfColour);
    fill(Lookup::Sd, NumbersOfParity);
    fill(Lookup::Bs, NumbersOfSize);
    fill(Lookup::Sz, NumbersOfCompound);
    fill(Lookup::Tou, NumbersOfHead);
    fill(Lookup::Wei, NumbersOfTail);
    fill(Lookup::He, NumbersOfDigitSum);
    return numbers;
}

}  // namespace chgu::detail
