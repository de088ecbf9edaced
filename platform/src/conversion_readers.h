// How the converters take a text: in pieces of a few thousand code units, so
// that the output grows by one piece at a time. A reader decodes the
// characters that start in [pos, piece_end) of a text of `size` units and
// puts them into a sink (conversion_sinks.h); a character that starts before
// piece_end is read whole, though it ends after it, so the next piece starts
// at a character again. It returns the units it read.
//
// Malformed input becomes U+FFFD, one for each malformed sequence: in UTF-8
// its longest valid beginning, or one byte; in UTF-16 an unpaired surrogate;
// in code page 936 a lead byte whose pair is no character (with its second
// byte only where that byte could not start a character of its own).
#pragma once

#include <algorithm>
#include <cstddef>

#include "byte_vectors.h"

namespace platform::detail {

// Input units per piece.
inline constexpr std::size_t kPieceUnits = 4096;
// A character started in a piece reads at most this many units after it.
inline constexpr std::size_t kLongestCharacter = 4;
// Output units a sink may store past its end.
inline constexpr std::size_t kOutSlack = 4;

// The byte readers take a piece in blocks of this many bytes, judged at once
// where the processor can (see byte_vectors.h); elsewhere, at the end of a
// text and where a block holds anything irregular, one character at a time.
inline constexpr std::size_t kBlockBytes = 64;

// The walk of the byte readers through a piece: block(pos, limit) reads the
// characters that start in the `limit` bytes from pos, a block at a time,
// returning the bytes they take or 0 where it leaves them to
// one_by_one(pos, limit), as it leaves the last bytes of the text, which a
// block would read past.
template <typename Block, typename OneByOne>
std::size_t ReadInBlocks(std::size_t size, std::size_t pos, std::size_t piece_end, Block block,
                         OneByOne one_by_one) {
    const std::size_t first = pos;
    while (pos < piece_end) {
        const std::size_t limit = std::min(kBlockBytes, piece_end - pos);
#ifdef PLATFORM_HAS_BYTE_VECTORS
        if (size - pos >= kBlockBytes + kBlockReach) {
            if (const std::size_t read = block(pos, limit); read != 0) {
                pos += read;
                continue;
            }
        }
#endif
        pos += one_by_one(pos, limit);
    }
    return pos - first;
}

template <typename Sink>
std::size_t ReadUtf8Piece(const unsigned char* utf8, std::size_t size, std::size_t pos,
                          std::size_t piece_end, Sink& sink);

template <typename Sink>
std::size_t ReadCp936Piece(const unsigned char* gbk, std::size_t size, std::size_t pos,
                           std::size_t piece_end, Sink& sink);

template <typename Sink>
std::size_t ReadUtf16Piece(const char16_t* utf16, std::size_t size, std::size_t pos,
                           std::size_t piece_end, Sink& sink);

}  // namespace platform::detail
