#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>

#include "chgu/scan.h"

namespace chgu {

namespace {

// The text is taken in pieces, and the result grown by a piece at a time,
// which the piece then overwrites while it is still in the fastest cache.
constexpr std::size_t kPiece = 4096;

// What each unit becomes: a full-width digit its ASCII digit, both line
// breaks "\r" (the first of the "\r\n" a run of them becomes), every other
// unit itself. One load per unit, where tests would be branches that a tip
// text's irregular line breaks and digits defeat.
using Converted = std::array<char16_t, 0x10000>;

std::unique_ptr<Converted> BuildConverted() {
    auto converted = std::make_unique<Converted>();
    for (std::size_t c = 0; c < converted->size(); ++c) {
        (*converted)[c] = static_cast<char16_t>(c);
    }
    for (char16_t digit = u'０'; digit <= u'９'; ++digit) {
        (*converted)[digit] = static_cast<char16_t>(u'0' + (digit - u'０'));
    }
    (*converted)[u'\n'] = u'\r';
    return converted;
}

// Converts text[from, to) to out; returns the end of what it wrote, which
// may store one unit past it. Every unit writes what it becomes and a "\n"
// after it, and the output then moves on by how much of that stands: one
// unit, or two for the first line break of a run and none for the others.
char16_t* NormalisePiece(std::u16string_view text, std::size_t from, std::size_t to,
                         const Converted& converted, char16_t* out) {
    unsigned after_break = from > 0 && converted[text[from - 1]] == u'\r';
    for (std::size_t i = from; i < to; ++i) {
        const char16_t c = converted[text[i]];
        const unsigned line_break = c == u'\r';
        out[0] = c;
        out[1] = u'\n';
        out += 1 + line_break - 2 * (line_break & after_break);
        after_break = line_break;
    }
    return out;
}

}  // namespace

std::u16string NormaliseText(std::u16string_view text) {
    static const std::unique_ptr<Converted> converted = BuildConverted();
    std::u16string result;
    result.reserve(text.size() + text.size() / 8);
    std::size_t written = 0;
    for (std::size_t from = 0; from < text.size(); from += kPiece) {
        const std::size_t to = std::min(text.size(), from + kPiece);
        // Two units for each, and the one stored past the end.
        const std::size_t room = 2 * (to - from) + 1;
        if (result.size() < written + room) {
            result.resize(written + room);
        }
        written = static_cast<std::size_t>(
            NormalisePiece(text, from, to, *converted, result.data() + written) - result.data());
    }
    result.resize(written);
    return result;
}

}  // namespace chgu
