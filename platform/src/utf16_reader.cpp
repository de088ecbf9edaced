// UTF-16 is read a unit at a time: each unit is a character but for the
// surrogates, rare, which take a branch of their own. Runs of eight ASCII
// units, a tip text's numbers and separators, are put whole.
#include <algorithm>
#include <cstdint>

#include "conversion_readers.h"
#include "conversion_sinks.h"
#include "platform/codepage.h"

namespace platform::detail {

namespace {

constexpr std::size_t kRun = 8;

bool RunIsAscii(const char16_t* in) {
    unsigned all = 0;
    for (std::size_t k = 0; k < kRun; ++k)
        all |= in[k];
    return all < 0x80;
}

bool IsSurrogate(char16_t c) {
    return (c & 0xF800) == 0xD800;
}

// Reads the surrogate at pos: a high one followed by a low one is a
// character past the BMP, anything else U+FFFD. Moves pos past what it
// takes.
template <typename Sink>
void ReadSurrogate(const char16_t* in, std::size_t size, std::size_t& pos, Sink& sink) {
    const char16_t c = in[pos++];
    if (c <= 0xDBFF && pos < size && in[pos] >= 0xDC00 && in[pos] <= 0xDFFF) {
        const char16_t low = in[pos++];
        sink.PutBeyond(0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (low - 0xDC00u));
    } else {
        sink.Put(kReplacementCharacter);
    }
}

}  // namespace

template <typename Sink>
std::size_t ReadUtf16Piece(const char16_t* utf16, std::size_t size, std::size_t pos,
                           std::size_t piece_end, Sink& piece_sink) {
    const std::size_t first = pos;
    Sink sink = piece_sink;
    while (pos < piece_end) {
        if (piece_end - pos >= kRun && RunIsAscii(utf16 + pos)) {
            sink.PutAscii(utf16 + pos, kRun);
            pos += kRun;
            continue;
        }
        for (const std::size_t stop = std::min(piece_end, pos + kRun); pos < stop;) {
            if (IsSurrogate(utf16[pos])) {
                ReadSurrogate(utf16, size, pos, sink);
            } else {
                sink.Put(utf16[pos++]);
            }
        }
    }
    piece_sink.out = sink.out;
    return pos - first;
}

template std::size_t ReadUtf16Piece(const char16_t*, std::size_t, std::size_t, std::size_t,
                                    Utf8Sink&);
template std::size_t ReadUtf16Piece(const char16_t*, std::size_t, std::size_t, std::size_t,
                                    Cp936Sink&);

}  // namespace platform::detail
