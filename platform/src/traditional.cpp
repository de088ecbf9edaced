#include "platform/traditional.h"

#include <bit>
#include <cstdint>
#include <memory>

#include "byte_vectors.h"
#include "platform/codepage.h"

namespace platform {

namespace {

// What each UTF-16 unit, or each double-byte code of code page 936 (lead
// byte first), becomes: the unit itself for all but the table's characters.
// Built once from kTraditionalForms, so both code pages follow the one table.
struct Replacements {
    std::array<char16_t, 0x10000> unit;
    std::array<std::uint16_t, 0x10000> gbk_code;  // 0: not a traditional form

    Replacements() : gbk_code{} {
        for (std::size_t c = 0; c < unit.size(); ++c) {
            unit[c] = static_cast<char16_t>(c);
        }
        for (const TraditionalForm& form : kTraditionalForms) {
            unit[form.traditional] = form.simplified;
            const std::string from = Utf16ToGbk(std::u16string_view(&form.traditional, 1));
            const std::string to = Utf16ToGbk(std::u16string_view(&form.simplified, 1));
            gbk_code[Code(from)] = static_cast<std::uint16_t>(Code(to));
        }
    }

    static unsigned Code(const std::string& pair) {
        return static_cast<unsigned char>(pair[0]) << 8 | static_cast<unsigned char>(pair[1]);
    }
};

const Replacements& TheReplacements() {
    static const auto replacements = std::make_unique<Replacements>();
    return *replacements;
}

constexpr bool IsTrailByte(unsigned byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// One character of code page 936 from `i`, a character's start: replaced
// when it is a form of the table. Gives the next character's start.
inline std::size_t SimplifyOne(unsigned char* bytes, std::size_t i,
                               const std::array<std::uint16_t, 0x10000>& gbk_code) {
    const unsigned lead = bytes[i];
    if (lead < 0x81) {
        return i + 1;
    }
    const unsigned trail = bytes[i + 1];
    if (const std::uint16_t to = gbk_code[lead << 8 | trail]; to != 0) {
        bytes[i] = static_cast<unsigned char>(to >> 8);
        bytes[i + 1] = static_cast<unsigned char>(to);
    }
    return i + (lead != 0xFF && IsTrailByte(trail) ? 2 : 1);
}

}  // namespace

void SimplifyTraditionalGbk(std::string& gbk_text) {
    const auto& gbk_code = TheReplacements().gbk_code;
    auto* bytes = reinterpret_cast<unsigned char*>(gbk_text.data());
    const std::size_t size = gbk_text.size();
    std::size_t i = 0;
#if PLATFORM_HAS_BYTE_VECTORS
    // Thirty-two bytes at a time, from a character's start. Every form of the
    // table has a lead 0x81..0xFE that either is 0x81..0xA0 itself or has a
    // trail 0x40..0xA0: only such places, where a character starts, are
    // looked up. A byte that can lead, followed by one that can trail, is a
    // pair wherever it starts a character; in a run of such places the
    // characters start at every other byte from the run's first, which
    // starts one (the block's first does, and so does every byte after one
    // that is no pair), and the trails lie in between.
    using detail::ByteVector;
    // Bits k of `pairs` and `looked_at` for the sixteen bytes from `at`.
    const auto judge = [bytes](std::size_t at, std::uint64_t& pairs, std::uint64_t& looked_at) {
        const ByteVector here = ByteVector::Load(bytes + at);
        const ByteVector next = ByteVector::Load(bytes + at + 1);
        const ByteVector leads = here.AtLeast(0x81).AndNot(here.Equals(0xFF));
        const ByteVector trails = next.AtLeast(0x40).AndNot(next.Equals(0x7F) | next.Equals(0xFF));
        const ByteVector low_trails = next.AtLeast(0x40).AndNot(next.AtLeast(0xA1));
        pairs = (leads & trails).Bits();
        looked_at = (leads & (here.BelowSigned(0xA1) | low_trails)).Bits();
    };
    while (i + 33 <= size) {
        std::uint64_t pairs = 0, looked_at = 0, high_pairs = 0, high_looked_at = 0;
        judge(i, pairs, looked_at);
        judge(i + 16, high_pairs, high_looked_at);
        pairs |= high_pairs << 16;
        looked_at |= high_looked_at << 16;
        const std::uint64_t run_starts = pairs & ~(pairs << 1);
        const std::uint64_t from_even = run_starts & 0x55555555u;
        const std::uint64_t from_odd = run_starts & 0xAAAAAAAAu;
        // Bit k: byte i + k is a trail; bit 32 is the next block's first.
        const std::uint64_t trail_bytes = ((pairs ^ (from_even + pairs)) & 0xAAAAAAAAAAAAAAAAu) |
                                          ((pairs ^ (from_odd + pairs)) & 0x5555555555555555u);
        for (std::uint64_t at = looked_at & ~trail_bytes; at != 0; at &= at - 1) {
            SimplifyOne(bytes, i + static_cast<std::size_t>(std::countr_zero(at)), gbk_code);
        }
        i += (trail_bytes >> 32) != 0 ? 33 : 32;
    }
#endif
    while (i + 1 < size) {
        i = SimplifyOne(bytes, i, gbk_code);
    }
}

void SimplifyTraditional(std::u16string& text) {
    const auto& unit = TheReplacements().unit;
    for (char16_t& c : text) {
        c = unit[c];
    }
}

bool HoldsTraditional(std::u16string_view text) {
    const auto& unit = TheReplacements().unit;
    for (const char16_t c : text) {
        if (unit[c] != c) {
            return true;
        }
    }
    return false;
}

}  // namespace platform
