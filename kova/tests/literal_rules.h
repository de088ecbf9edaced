// The scanning rules read literally, as a slow model for the tests: the
// working text is a std::string that loses bytes from its middle, every
// position is visited, and every word is compared as a copy of its bytes.
// The statistics must report exactly the counts of this model.
#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace kova::test {

// Counts per number 1..49 (slot 0 unused) of the number statistics.
std::array<long long, 50> LiteralNumberCounts(std::string_view gbk_text, int year);

struct LiteralAttributeRules {
    std::span<const std::string_view> words;
    bool removes_marks = false;    // 九 号 ： go first
    bool reads_teen_sums = false;  // "1" + 1合..3合 is 11合..13合
    bool skips_after_sum = false;  // a word right after 合 does not count
};

// Counts per class word (in UTF-8) of an attribute statistic.
std::map<std::string, long long> LiteralAttributeCounts(std::string_view gbk_text,
                                                        const LiteralAttributeRules& rules);

}  // namespace kova::test
