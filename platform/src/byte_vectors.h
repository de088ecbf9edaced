// Sixteen bytes judged at once, one bit per byte, where the processor has
// SSE2 (every x86-64 processor). The converters take their block paths only
// with it; elsewhere they decode character by character, with the same
// result.
#pragma once

#if defined(__SSE2__) || defined(_M_X64)
#define PLATFORM_HAS_BYTE_VECTORS 1

#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

namespace platform::detail {

// A block path reads this many bytes past its block's end: the loads of the
// bytes that follow each position.
inline constexpr std::size_t kBlockReach = 16;

class ByteVector {
  public:
    static ByteVector Load(const unsigned char* bytes) {
        return ByteVector(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)));
    }

    // The bytes that a max with `low` leaves as they are.
    ByteVector AtLeast(unsigned char low) const {
        return ByteVector(_mm_cmpeq_epi8(_mm_max_epu8(v_, Splat(low)), v_));
    }
    ByteVector Equals(unsigned char b) const { return ByteVector(_mm_cmpeq_epi8(v_, Splat(b))); }
    // The bytes below `bound` when both are read as signed: for a bound
    // from 0x81 to 0xFF, the bytes from 0x80 up to below it, in one step.
    ByteVector BelowSigned(unsigned char bound) const {
        return ByteVector(_mm_cmpgt_epi8(Splat(bound), v_));
    }

    ByteVector operator&(ByteVector other) const { return ByteVector(_mm_and_si128(v_, other.v_)); }
    ByteVector operator|(ByteVector other) const { return ByteVector(_mm_or_si128(v_, other.v_)); }
    // This and not other, in one step.
    ByteVector AndNot(ByteVector other) const { return ByteVector(_mm_andnot_si128(other.v_, v_)); }

    // Bit k for each byte k whose top bit is set: of a test's result, the
    // bytes that passed.
    std::uint64_t Bits() const { return static_cast<std::uint64_t>(_mm_movemask_epi8(v_)); }

    __m128i Raw() const { return v_; }

  private:
    explicit ByteVector(__m128i v) : v_(v) {}
    static __m128i Splat(unsigned char b) { return _mm_set1_epi8(static_cast<char>(b)); }

    __m128i v_;
};

// The bits below `limit` (up to 64).
inline std::uint64_t BitsBelow(std::size_t limit) {
    return limit >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << limit) - 1;
}

}  // namespace platform::detail

#endif
