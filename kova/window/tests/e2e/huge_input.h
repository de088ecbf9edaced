// Inputs far beyond what a user types: a pasted tip text of a megabyte and
// a way to compare such texts without printing them whole on a failure.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/codepage.h"
#include "tip_text.h"

namespace e2e {

// Tip text of at least `bytes` bytes in UTF-8, the same for the same seed:
// the benchmark's generated text, whose every character has a code page 936
// form, so that it survives program A's conversions unchanged.
inline std::u16string HugeTipText(std::size_t bytes, unsigned seed) {
    return platform::Utf8ToUtf16(bench::GenerateTipText(bytes, seed));
}

// Equal texts, or where they first differ.
inline ::testing::AssertionResult SameText(std::u16string_view actual,
                                           std::u16string_view expected) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
        ++at;
    }
    return ::testing::AssertionFailure()
           << actual.size() << " characters against " << expected.size()
           << " expected, first different at " << at;
}

}  // namespace e2e
