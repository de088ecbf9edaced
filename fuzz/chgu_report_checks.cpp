#include "chgu_report_checks.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fuzz {

namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr std::u16string_view kContinuation = u"\r\n       ";

// The complete lines of a report; nothing when the last line has no end.
std::optional<std::vector<std::u16string_view>> Lines(std::u16string_view report) {
    std::vector<std::u16string_view> lines;
    while (!report.empty()) {
        const std::size_t end = report.find(kLineEnd);
        if (end == std::u16string_view::npos) {
            return std::nullopt;
        }
        lines.push_back(report.substr(0, end));
        report.remove_prefix(end + kLineEnd.size());
    }
    return lines;
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Takes a run of digits (at least `least`) off the front; its value, capped.
std::optional<std::uint64_t> TakeDigits(std::u16string_view& text, std::size_t least) {
    std::size_t length = 0;
    std::uint64_t value = 0;
    while (length < text.size() && IsDigit(text[length])) {
        value = std::min<std::uint64_t>(value * 10 + (text[length] - u'0'), UINT64_MAX / 20);
        ++length;
    }
    if (length < least) {
        return std::nullopt;
    }
    text.remove_prefix(length);
    return value;
}

bool TakePrefix(std::u16string_view& text, std::u16string_view prefix) {
    if (!text.starts_with(prefix)) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

// Counts are written with at least two digits and never negative: weights
// saturate instead of wrapping.
std::optional<std::uint64_t> TakeCount(std::u16string_view& text) {
    return TakeDigits(text, 2);
}

}  // namespace

bool IsWellFormedNumberReport(std::u16string_view report) {
    std::u16string joined(report);
    for (std::size_t at; (at = joined.find(kContinuation)) != std::u16string::npos;) {
        joined.erase(at, kContinuation.size());
    }
    const auto lines = Lines(joined);
    if (!lines || lines->empty()) {
        return false;
    }
    std::array<bool, 50> seen{};
    std::uint64_t listed = 0;
    std::optional<std::uint64_t> previous_count;
    for (std::u16string_view line : *lines) {
        if (!TakePrefix(line, u"共")) {
            return false;
        }
        const auto count = TakeCount(line);
        if (!count || (previous_count && *count <= *previous_count) || !TakePrefix(line, u"次:")) {
            return false;
        }
        previous_count = count;
        std::uint64_t items = 0;
        while (!line.empty() && IsDigit(line.front())) {
            std::u16string_view number = line.substr(0, 2);
            const auto value = TakeDigits(number, 2);
            if (!value || *value < 1 || *value > 49 || seen[*value] || line.size() < 3 ||
                line[2] != u',') {
                return false;
            }
            seen[*value] = true;
            ++items;
            line.remove_prefix(3);
        }
        if (!TakePrefix(line, u"（")) {
            return false;
        }
        const auto stated = TakeDigits(line, 1);
        if (!stated || *stated != items || line != u"码）") {
            return false;
        }
        listed += items;
    }
    return listed == 49;
}

bool IsWellFormedAttributeReport(std::u16string_view report, std::u16string_view heading,
                                 std::span<const std::u16string_view> names) {
    const auto lines = Lines(report);
    if (!lines || lines->empty() || (*lines)[0] != heading) {
        return false;
    }
    std::vector<bool> seen(names.size(), false);
    std::optional<std::uint64_t> previous_count;
    for (std::size_t i = 1; i < lines->size(); ++i) {
        std::u16string_view line = (*lines)[i];
        if (!TakePrefix(line, u"【共")) {
            return false;
        }
        const auto count = TakeCount(line);
        if (!count || (previous_count && *count <= *previous_count) ||
            !TakePrefix(line, u"次】：")) {
            return false;
        }
        previous_count = count;
        while (!line.empty()) {
            const std::size_t comma = line.find(u',');
            if (comma == std::u16string_view::npos) {
                return false;
            }
            const auto name = std::find(names.begin(), names.end(), line.substr(0, comma));
            if (name == names.end() || seen[static_cast<std::size_t>(name - names.begin())]) {
                return false;
            }
            seen[static_cast<std::size_t>(name - names.begin())] = true;
            line.remove_prefix(comma + 1);
        }
    }
    return std::all_of(seen.begin(), seen.end(), [](bool b) { return b; });
}

}  // namespace fuzz
