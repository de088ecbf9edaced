#include "platform/traditional.h"

#include <cstdint>
#include <memory>

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

}  // namespace

void SimplifyTraditional(std::u16string& text) {
    const auto& unit = TheReplacements().unit;
    for (char16_t& c : text) {
        c = unit[c];
    }
}

void SimplifyTraditionalGbk(std::string& gbk_text) {
    const auto& gbk_code = TheReplacements().gbk_code;
    auto* bytes = reinterpret_cast<unsigned char*>(gbk_text.data());
    const std::size_t size = gbk_text.size();
    std::size_t i = 0;
    while (i + 1 < size) {
        const unsigned lead = bytes[i];
        if (lead < 0x81) {
            ++i;
            continue;
        }
        const unsigned trail = bytes[i + 1];
        if (const std::uint16_t to = gbk_code[lead << 8 | trail]; to != 0) {
            bytes[i] = static_cast<unsigned char>(to >> 8);
            bytes[i + 1] = static_cast<unsigned char>(to);
        }
        i += lead != 0xFF && IsTrailByte(trail) ? 2 : 1;
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
