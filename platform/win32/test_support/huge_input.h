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

// A number report lists each of 01..49 exactly once, and each line's
// "（N码）" counts the numbers on it. `colon` ends each line's head.
inline ::testing::AssertionResult ListsEveryNumberOnce(std::u16string_view report, char16_t colon) {
    int seen[50] = {};
    std::size_t start = 0;
    while (start < report.size()) {
        std::size_t end = report.find(u"\r\n", start);
        if (end == std::u16string_view::npos) {
            end = report.size();
        }
        const std::u16string_view line = report.substr(start, end - start);
        start = end + 2;
        const std::size_t head = line.find(colon);
        const std::size_t tail = line.find(u'（');
        if (head == std::u16string_view::npos || tail == std::u16string_view::npos || tail < head) {
            return ::testing::AssertionFailure() << "a line without its head or count";
        }
        int listed = 0;
        for (std::size_t at = head + 1; at + 3 <= tail; at += 3) {
            const int number = (line[at] - u'0') * 10 + (line[at + 1] - u'0');
            if (line[at + 2] != u',' || number < 1 || number > 49) {
                return ::testing::AssertionFailure() << "not a number list at " << at;
            }
            ++seen[number];
            ++listed;
        }
        const std::u16string count = std::u16string(line.substr(tail + 1));
        if (count != std::u16string(u"") + [&] {
                std::u16string digits;
                for (const char c : std::to_string(listed)) {
                    digits.push_back(static_cast<char16_t>(c));
                }
                return digits;
            }() + u"码）") {
            return ::testing::AssertionFailure()
                   << "a line of " << listed << " numbers counts otherwise";
        }
    }
    for (int number = 1; number <= 49; ++number) {
        if (seen[number] != 1) {
            return ::testing::AssertionFailure()
                   << number << " listed " << seen[number] << " times";
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace e2e
