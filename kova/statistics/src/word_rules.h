// The context rules that the number statistics and the attribute statistics
// share: the marks removed before the words at a position are tested, and
// the bytes before a word that change what it counts as.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "working_text.h"

namespace kova::detail {

// 九, 号 and ： are deleted, in this order, before the words at a position
// are tested: otherwise the bytes in the middle of 九： and 号： (C5 A3)
// read as 牛.
inline constexpr std::array<std::string_view, 3> kRemovedMarks = {
    "\xBE\xC5" /* 九 */, "\xBA\xC5" /* 号 */, "\xA3\xBA" /* ： */};

// Removes the marks at the position `ahead` bytes after f, which the scan has
// reached; returns the number of bytes deleted (0 to 6). The position then
// holds the byte that followed them.
inline std::size_t RemoveMarksAhead(WorkingText& text, std::size_t ahead) {
    std::size_t deleted = 0;
    for (std::string_view mark : kRemovedMarks) {
        if (text.HasWordAhead(ahead + deleted, mark)) {
            text.DeleteTwoBytesAhead(ahead + deleted);
            deleted += mark.size();
        }
    }
    return deleted;
}

// 大 小 单 双 right after 合 are part of 合大 合小 合单 合双.
inline constexpr std::string_view kSumCharacter = "\xBA\xCF" /* 合 */;

// A "1" right before 1合, 2合 or 3合 makes it 11合, 12合 or 13合: the word of
// DigitSumNames index i counts as index i + kTeenSumShift. 11合..13合 are
// never matched as words of their own.
inline constexpr char kTeenDigit = '1';
inline constexpr int kLastTeenSumBase = 3;
inline constexpr int kTeenSumShift = 10;

}  // namespace kova::detail
