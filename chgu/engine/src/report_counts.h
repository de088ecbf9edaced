// What the two reports share: which counts get a line, and how a count is
// written.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "chgu/number_list.h"

namespace chgu::detail {

// The counts that occur among slots, ascending. Stepping only through these
// keeps a report cheap however high the counts run.
inline std::vector<std::int64_t> OccurringCounts(std::span<const std::int64_t> slots) {
    std::vector<std::int64_t> counts(slots.begin(), slots.end());
    std::sort(counts.begin(), counts.end());
    counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
    return counts;
}

// A count below 10 is written with a leading "0".
inline void AppendCount(std::u16string& out, std::int64_t count) {
    if (count < 10) {
        out += u'0';
    }
    out += DecimalText(count);
}

}  // namespace chgu::detail
