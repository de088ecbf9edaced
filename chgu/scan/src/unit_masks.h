// Which of sixteen UTF-16 units are one of two given characters, one bit
// each: the scans that act at a few characters only pass over the others
// sixteen at a time. SSE2 where the processor has it (every x86-64
// processor); elsewhere one comparison per unit, with the same result.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace chgu::detail {

inline constexpr std::size_t kMaskUnits = 16;

// Bit k for units[k] equal to a or b.
inline std::uint32_t UnitsEqualTo(const char16_t* units, char16_t a, char16_t b) {
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i wanted_a = _mm_set1_epi16(static_cast<short>(a));
    const __m128i wanted_b = _mm_set1_epi16(static_cast<short>(b));
    const auto equal = [&](const char16_t* eight) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(eight));
        return _mm_or_si128(_mm_cmpeq_epi16(v, wanted_a), _mm_cmpeq_epi16(v, wanted_b));
    };
    // Each 16-bit result is 0 or -1, which packing to bytes keeps.
    return static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_packs_epi16(equal(units), equal(units + 8))));
#else
    std::uint32_t mask = 0;
    for (std::size_t k = 0; k < kMaskUnits; ++k) {
        mask |= static_cast<std::uint32_t>(units[k] == a || units[k] == b) << k;
    }
    return mask;
#endif
}

// Calls at(i) for every position i of text whose unit is a or b, in order.
template <typename At>
void ForEachUnitEqualTo(std::u16string_view text, char16_t a, char16_t b, At at) {
    std::size_t i = 0;
    for (; i + kMaskUnits <= text.size(); i += kMaskUnits) {
        for (std::uint32_t found = UnitsEqualTo(text.data() + i, a, b); found != 0;
             found &= found - 1) {
            at(i + static_cast<std::size_t>(std::countr_zero(found)));
        }
    }
    for (; i < text.size(); ++i) {
        if (text[i] == a || text[i] == b) {
            at(i);
        }
    }
}

}  // namespace chgu::detail
