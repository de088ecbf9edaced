// A digit ends a number unless the byte after it is another digit, the end of
// the text (0x00) or the lead byte of 次 (B4), 合 号 红 猴 (BA), 码 (C2),
// 头 (CD) or 尾 (CE): this keeps 共01次, （共00码）, 1合, 3头 and 5尾 from
// counting their digits. The number is
// - the digit alone (1..9) when the byte before it is not a digit, the start
//   of the text (0x00) or the byte B9;
// - the two digits ending here when the byte before is a digit and they make
//   01..49. No byte further back is looked at, so 123 counts 23, and 00 and
//   50..99 count nothing.
//
// The rules are written as arithmetic on bytes with no branches and no
// tables, so that the compiler can judge many positions at once.
#include "written_numbers.h"

#include "yeartables/numbers.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace kova::detail {

namespace {

using Byte = std::uint8_t;

// 1 or 0. Written with + rather than ||, which compilers turn into a bit test
// that they cannot apply to many bytes at once.
inline Byte StopsNumber(Byte next) {
    const Byte next_digit = static_cast<Byte>(next - '0');
    return static_cast<Byte>((next_digit < 10) + (next == 0x00) + (next == 0xB4) + (next == 0xBA) +
                             (next == 0xC2) + (next == 0xCD) + (next == 0xCE)) != 0;
}

// 0xFF when condition is 1, 0 when it is 0.
inline Byte Mask(Byte condition) {
    return static_cast<Byte>(-condition);
}

}  // namespace

bool EndsNumber(unsigned char next) {
    return StopsNumber(next) == 0;
}

#if defined(__SSE2__) || defined(_M_X64)

// The same rules sixteen positions at a time, where the processor has SSE2
// (every x86-64 processor): compilers leave much of the above to single
// bytes, multiplying by ten in particular.
__m128i Splat(unsigned char b) {
    return _mm_set1_epi8(static_cast<char>(b));
}

// 0xFF for the bytes below 10, 0 for the others.
__m128i BelowTen(__m128i v) {
    return _mm_cmpeq_epi8(_mm_min_epu8(v, Splat(9)), v);
}

__m128i Equals(__m128i v, unsigned char b) {
    return _mm_cmpeq_epi8(v, Splat(b));
}

inline void FindWrittenNumbersSixteen(const unsigned char* here, std::uint8_t* numbers) {
    const auto load = [](const unsigned char* at) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    };
    const __m128i before = load(here - 1);
    const __m128i next = load(here + 1);
    const __m128i digit = _mm_sub_epi8(load(here), Splat('0'));
    const __m128i before_digit = _mm_sub_epi8(before, Splat('0'));
    const __m128i is_digit = BelowTen(digit);
    const __m128i before_is_digit = BelowTen(before_digit);
    const __m128i stops = _mm_or_si128(
        _mm_or_si128(_mm_or_si128(BelowTen(_mm_sub_epi8(next, Splat('0'))), Equals(next, 0x00)),
                     _mm_or_si128(Equals(next, 0xB4), Equals(next, 0xBA))),
        _mm_or_si128(Equals(next, 0xC2), _mm_or_si128(Equals(next, 0xCD), Equals(next, 0xCE))));
    const __m128i ends = _mm_andnot_si128(stops, is_digit);
    const __m128i alone =
        _mm_andnot_si128(_mm_or_si128(_mm_or_si128(Equals(digit, 0), before_is_digit),
                                      _mm_or_si128(Equals(before, 0x00), Equals(before, 0xB9))),
                         ends);
    const __m128i twice = _mm_add_epi8(before_digit, before_digit);
    const __m128i eight_times =
        _mm_add_epi8(_mm_add_epi8(twice, twice), _mm_add_epi8(twice, twice));
    const __m128i two_digits = _mm_add_epi8(_mm_add_epi8(eight_times, twice), digit);
    // 1..49, as 0..48 after subtracting one.
    const __m128i in_range =
        _mm_cmpeq_epi8(_mm_min_epu8(_mm_sub_epi8(two_digits, Splat(1)), Splat(48)),
                       _mm_sub_epi8(two_digits, Splat(1)));
    const __m128i pair = _mm_and_si128(_mm_and_si128(before_is_digit, in_range), ends);
    const __m128i found =
        _mm_or_si128(_mm_and_si128(alone, digit), _mm_and_si128(pair, two_digits));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(numbers), found);
}

#endif

void FindWrittenNumbers(const unsigned char* here, std::size_t length, std::uint8_t* numbers) {
    std::size_t first = 0;
#if defined(__SSE2__) || defined(_M_X64)
    for (; first + 16 <= length; first += 16) {
        FindWrittenNumbersSixteen(here + first, numbers + first);
    }
#endif
    here += first;
    numbers += first;
    length -= first;
    const unsigned char* before_here = here - 1;
    const unsigned char* after_here = here + 1;
    for (std::size_t i = 0; i < length; ++i) {
        const Byte before = before_here[i];
        const Byte digit = static_cast<Byte>(here[i] - '0');
        const Byte before_digit = static_cast<Byte>(before - '0');
        const Byte ends = static_cast<Byte>((digit < 10) & (StopsNumber(after_here[i]) == 0));
        const Byte alone = static_cast<Byte>((digit != 0) & (before_digit >= 10) &
                                             (before != 0x00) & (before != 0xB9));
        const Byte two_digits = static_cast<Byte>(before_digit * 10 + digit);
        const Byte pair =
            static_cast<Byte>((before_digit < 10) & (two_digits >= yeartables::kFirstNumber) &
                              (two_digits <= yeartables::kLastNumber));
        numbers[i] =
            static_cast<Byte>((Mask(ends & alone) & digit) | (Mask(ends & pair) & two_digits));
    }
}

}  // namespace kova::detail
