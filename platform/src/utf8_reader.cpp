// A tip text is short runs of ASCII between characters of three bytes, so a
// loop that decides each character's length before it can read the next one
// waits on every byte. The block path instead judges 64 bytes at once: where
// every sequence in them is whole and well formed, each character's value
// is computed for every byte position in parallel and the characters are
// taken out by their start bits. Anything else (a malformed sequence, a
// character of four bytes) sends its block down the path of one character at
// a time, which follows the rules literally.
#include <array>
#include <bit>
#include <cstdint>

#include "byte_vectors.h"
#include "conversion_readers.h"
#include "conversion_sinks.h"
#include "platform/codepage.h"

namespace platform::detail {

namespace {

// What a byte starts: the length of its sequence (0 when it starts none) and
// the range its second byte must lie in, narrower than 80..BF where that
// rules out overlong forms, surrogates and code points past U+10FFFF.
struct LeadByte {
    std::uint8_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
};

constexpr std::array<LeadByte, 0x100> kLeadBytes = [] {
    std::array<LeadByte, 0x100> leads{};
    for (unsigned b = 0; b < 0x80; ++b)
        leads[b].length = 1;
    for (unsigned b = 0xC2; b <= 0xDF; ++b)
        leads[b].length = 2;
    for (unsigned b = 0xE0; b <= 0xEF; ++b)
        leads[b].length = 3;
    for (unsigned b = 0xF0; b <= 0xF4; ++b)
        leads[b].length = 4;
    leads[0xE0].low = 0xA0;
    leads[0xED].high = 0x9F;
    leads[0xF0].low = 0x90;
    leads[0xF4].high = 0x8F;
    return leads;
}();

// Reads the character at `in` (available bytes to the end of the text);
// returns the bytes it takes.
template <typename Sink>
std::size_t ReadOne(const unsigned char* in, std::size_t available, Sink& sink) {
    const LeadByte lead = kLeadBytes[in[0]];
    if (lead.length <= 1) {
        sink.Put(lead.length == 1 ? char16_t{in[0]} : kReplacementCharacter);
        return 1;
    }
    char32_t cp = in[0] & (0x7Fu >> lead.length);
    unsigned char low = lead.low;
    unsigned char high = lead.high;
    for (std::size_t k = 1; k < lead.length; ++k) {
        if (k >= available || in[k] < low || in[k] > high) {
            sink.Put(kReplacementCharacter);
            return k;
        }
        cp = cp << 6 | (in[k] & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    if (cp < 0x10000) {
        sink.Put(static_cast<char16_t>(cp));
    } else {
        sink.PutBeyond(cp);
    }
    return lead.length;
}

// Reads the characters that start in the first `limit` bytes; returns the
// bytes they take.
template <typename Sink>
std::size_t ReadOneByOne(const unsigned char* in, std::size_t available, std::size_t limit,
                         Sink& sink) {
    std::size_t read = 0;
    while (read < limit) {
        read += ReadOne(in + read, available - read, sink);
    }
    return read;
}

#ifdef PLATFORM_HAS_BYTE_VECTORS

// The UTF-16 unit of the character of one to three bytes that each of 16
// positions would start, from the byte there (lead), the next and the one
// after: its high and low bytes are worked out side by side for all 16, and
// interleaved into two vectors of eight units at the end.
void ValuesAt(ByteVector lead, ByteVector next, ByteVector after, ByteVector is_three,
              __m128i* values) {
    const auto bits = [](__m128i v, int mask) {
        return _mm_and_si128(v, _mm_set1_epi8(static_cast<char>(mask)));
    };
    const __m128i l = lead.Raw();
    const __m128i n = next.Raw();
    // The shifts move 16-bit lanes; the masks keep what stays within a byte.
    const __m128i high3 =
        _mm_or_si128(bits(_mm_slli_epi16(l, 4), 0xF0), bits(_mm_srli_epi16(n, 2), 0x0F));
    const __m128i low3 = _mm_or_si128(bits(_mm_slli_epi16(n, 6), 0xC0), bits(after.Raw(), 0x3F));
    const __m128i high2 = bits(_mm_srli_epi16(l, 2), 0x07);
    const __m128i low2 = _mm_or_si128(bits(_mm_slli_epi16(l, 6), 0xC0), bits(n, 0x3F));
    const __m128i three = is_three.Raw();
    const __m128i ascii = _mm_cmpgt_epi8(l, _mm_set1_epi8(-1));
    const __m128i high = _mm_or_si128(_mm_and_si128(three, high3),
                                      _mm_andnot_si128(three, _mm_andnot_si128(ascii, high2)));
    const __m128i low = _mm_or_si128(
        _mm_and_si128(three, low3),
        _mm_andnot_si128(three,
                         _mm_or_si128(_mm_and_si128(ascii, l), _mm_andnot_si128(ascii, low2))));
    _mm_store_si128(values, _mm_unpacklo_epi8(low, high));
    _mm_store_si128(values + 1, _mm_unpackhi_epi8(low, high));
}

// Reads the characters that start in the first `limit` bytes of the block at
// `in` (which begins with a character, and may be read kBlockReach bytes past
// its end) when all of them are one to three bytes long and well formed;
// returns the bytes they take, or 0, having put nothing, when they are not.
// Characters that would start with E0 or ED, which need a narrower second
// byte, are rare enough in a tip text to be left to the literal path too.
template <typename Sink>
std::size_t ReadPlainBlock(const unsigned char* in, std::size_t limit, Sink& block_sink) {
    std::uint64_t non_ascii = 0;
    std::uint64_t continuation = 0;
    std::uint64_t longer = 0;  // the leads of two or three bytes
    std::uint64_t three = 0;   // of three
    std::uint64_t faults = 0;
    alignas(16) std::array<char16_t, kBlockBytes> values;
    // 80..BF, the continuation bytes.
    const auto is_continuation = [](ByteVector b) { return b.BelowSigned(0xC0); };
    for (std::size_t k = 0; k < kBlockBytes / 16; ++k) {
        const ByteVector lead = ByteVector::Load(in + 16 * k);
        const ByteVector next = ByteVector::Load(in + 16 * k + 1);
        const ByteVector after = ByteVector::Load(in + 16 * k + 2);
        const ByteVector starts_longer = lead.AtLeast(0xC0);
        const ByteVector starts_three = lead.AtLeast(0xE0);
        const ByteVector fault = lead.AtLeast(0xF0) | lead.Equals(0xC0) | lead.Equals(0xC1) |
                                 lead.Equals(0xE0) | lead.Equals(0xED) |
                                 starts_longer.AndNot(is_continuation(next)) |
                                 starts_three.AndNot(is_continuation(after));
        const unsigned shift = 16 * static_cast<unsigned>(k);
        non_ascii |= lead.Bits() << shift;
        continuation |= is_continuation(lead).Bits() << shift;
        longer |= starts_longer.Bits() << shift;
        three |= starts_three.Bits() << shift;
        faults |= fault.Bits() << shift;
        ValuesAt(lead, next, after, starts_three,
                 reinterpret_cast<__m128i*>(values.data() + 16 * k));
    }
    const std::uint64_t below = BitsBelow(limit);
    if ((non_ascii & below) == 0) {
        block_sink.PutAscii(in, limit);
        return limit;
    }
    // Every continuation byte must belong to the lead one or two before it.
    const std::uint64_t belonging = longer << 1 | three << 2;
    if (((faults | (continuation & ~belonging)) & below) != 0) {
        return 0;
    }
    const std::uint64_t starts = ~continuation & below;
    Sink sink = block_sink;
    for (std::uint64_t rest = starts; rest != 0; rest &= rest - 1) {
        sink.Put(values[static_cast<unsigned>(std::countr_zero(rest))]);
    }
    block_sink.out = sink.out;
    const unsigned last = 63 - static_cast<unsigned>(std::countl_zero(starts));
    return last + 1 + (longer >> last & 1) + (three >> last & 1);
}

#endif

}  // namespace

template <typename Sink>
std::size_t ReadUtf8Piece(const unsigned char* utf8, std::size_t size, std::size_t pos,
                          std::size_t piece_end, Sink& sink) {
    return ReadInBlocks(
        size, pos, piece_end,
        [&](std::size_t at, std::size_t limit) {
#ifdef PLATFORM_HAS_BYTE_VECTORS
            return ReadPlainBlock(utf8 + at, limit, sink);
#else
            return std::size_t{0};
#endif
        },
        [&](std::size_t at, std::size_t limit) {
            return ReadOneByOne(utf8 + at, size - at, limit, sink);
        });
}

template std::size_t ReadUtf8Piece(const unsigned char*, std::size_t, std::size_t, std::size_t,
                                   Utf16Sink&);
template std::size_t ReadUtf8Piece(const unsigned char*, std::size_t, std::size_t, std::size_t,
                                   Cp936Sink&);

}  // namespace platform::detail
