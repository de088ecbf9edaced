#include "cp936_steps.h"

#include <memory>

#include "cp936_table.h"
#include "platform/codepage.h"

namespace platform::detail {

namespace {

// A byte that a lead byte may take as its second: 0x40..0xFE but 0x7F.
constexpr bool CanTrail(unsigned b) {
    return b >= 0x40 && b != 0x7F && b != 0xFF;
}

std::unique_ptr<Cp936Steps> BuildSteps(const Cp936Table& table) {
    auto steps = std::make_unique<Cp936Steps>();
    for (unsigned b = 0; b < 0x100; ++b) {
        steps->is_trail[b] = CanTrail(b);
        for (unsigned b1 = 0; b < 0x80 && b1 < 0x100; ++b1) {
            steps->unit_at[b | b1 << 8] = static_cast<char16_t>(b);
        }
    }
    for (unsigned b0 = 0x80; b0 < 0x100; ++b0) {
        const char16_t single = table.single[b0 - 0x80];
        if (single != 0) {
            steps->single_bytes.push_back(static_cast<unsigned char>(b0));
        }
        steps->takes_trail[b0 - 0x80] = single == 0 && b0 != 0xFF;
        for (unsigned b1 = 0; b1 < 0x100; ++b1) {
            const char16_t pair = table.pair[(b0 - 0x80) << 8 | b1];
            char16_t c = kReplacementCharacter;
            if (single != 0) {
                c = single;
            } else if (steps->takes_trail[b0 - 0x80] && CanTrail(b1) && pair != 0) {
                c = pair;
            }
            steps->unit_at[b0 | b1 << 8] = c;
        }
    }
    for (std::size_t c = 0; c < steps->form_of.size(); ++c) {
        const std::uint16_t code = c == 0 || table.encode[c] != 0 ? table.encode[c] : '?';
        steps->form_of[c] = code > 0xFF
                                ? std::array{static_cast<char>(code >> 8), static_cast<char>(code)}
                                : std::array{static_cast<char>(code), '\0'};
    }
    return steps;
}

}  // namespace

const Cp936Steps& TheCp936Steps() {
    static const std::unique_ptr<Cp936Steps> steps = BuildSteps(TheCp936Table());
    return *steps;
}

}  // namespace platform::detail
