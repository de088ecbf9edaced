// The text as the statistics scan it: the input bytes with one space added
// in front and one at the end, visited position by position from the first
// byte to the last. At the current position f the scan may delete the marks
// 九, 号 and ：, which moves the rest of the text towards f.
//
// Deletions happen only where the scan stands, so the part before it never
// changes once it has been visited, and the rules look back at most two
// bytes. A deletion therefore moves nothing but those two bytes: they are
// copied into the gap left by the deleted ones, right before the byte that
// now takes the place of the mark. Every step is constant time, however many
// marks the text holds.
//
// The scan takes the text in stretches: each is copied into a small window
// with the two bytes before it and a margin after it, so the input is read
// once and never copied whole. Bytes before the start and past the end read
// as 0x00.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace kova::detail {

class WorkingText {
  public:
    // Positions per stretch: enough to make the per-stretch work small,
    // few enough for a stretch to stay in the fastest cache.
    static constexpr std::size_t kStretchLength = 4096;
    // The rules read f - 2 and f - 1 ...
    static constexpr std::size_t kLookBack = 2;
    // ... and words of up to 4 bytes from f; marks at the end of a stretch
    // may delete up to 6 bytes beyond it, after which a word is read there.
    static constexpr std::size_t kLongestWord = 4;
    static constexpr std::size_t kMargin = 16;

    explicit WorkingText(std::string_view text) : text_(text) {}

    // Past the end of the text, where no rule can match any more.
    bool Done() const { return start_ >= text_.size() + 2; }

    // Loads the stretch that begins at the current position; returns its
    // length (at most kStretchLength, at least 1 unless Done()).
    std::size_t LoadStretch() {
        const std::size_t size = text_.size() + 2;  // with the two added spaces
        const std::size_t length = std::min(kStretchLength, size - start_);
        std::copy(before_.begin(), before_.end(), window_.begin());
        // Position p (0-based) of the working text is the added space for
        // p = 0 and p = size - 1, else byte p - 1 of the input.
        std::size_t p = start_;
        unsigned char* out = window_.data() + kLookBack;
        unsigned char* const out_end = out + length + kMargin;
        if (p == 0 && out < out_end) {
            *out++ = ' ';
            ++p;
        }
        const std::size_t from_text = std::min(static_cast<std::size_t>(out_end - out),
                                               p <= text_.size() ? text_.size() + 1 - p : 0);
        if (from_text > 0) {
            std::memcpy(out, text_.data() + (p - 1), from_text);
            out += from_text;
            p += from_text;
        }
        if (p == size - 1 && out < out_end) {
            *out++ = ' ';
        }
        std::fill(out, out_end, static_cast<unsigned char>(0));
        return length;
    }

    // The byte at the start of the loaded stretch. The bytes from 2 before
    // it to kMargin after the stretch may be read through this pointer.
    const unsigned char* Here() const { return window_.data() + kLookBack; }

    // Whether the word (of at most 4 bytes) starts `ahead` bytes into the
    // stretch. A word cut short by the end reads 0x00, which no word
    // contains, and so does not match.
    bool HasWordAhead(std::size_t ahead, std::string_view word) const {
        return std::memcmp(Here() + ahead, word.data(), word.size()) == 0;
    }

    // Deletes the two bytes `ahead` bytes into the stretch, where the scan
    // stands; the two bytes before them move up to stay right before what
    // follows.
    void DeleteTwoBytesAhead(std::size_t ahead) {
        unsigned char* at = window_.data() + kLookBack + ahead;
        at[1] = at[-1];
        at[0] = at[-2];
    }

    // Moves on by `passed` bytes of the loaded stretch (deleted bytes
    // included), to the start of the next stretch.
    void AdvanceBy(std::size_t passed) {
        const unsigned char* next = Here() + passed;
        before_ = {next[-2], next[-1]};
        start_ += passed;
    }

  private:
    std::string_view text_;
    std::size_t start_ = 0;  // the position (0-based) where the loaded stretch begins
    std::array<unsigned char, kLookBack> before_{};  // the two bytes before it
    std::array<unsigned char, kLookBack + kStretchLength + kMargin> window_{};
};

}  // namespace kova::detail
