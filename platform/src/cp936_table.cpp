#include "cp936_table.h"

namespace platform::detail {

namespace {

std::unique_ptr<Cp936Table> BuildTable() {
    auto table = std::make_unique<Cp936Table>();
    for (unsigned b = 0; b < 0x80; ++b) {
        table->encode[b] = static_cast<std::uint16_t>(b);
    }
    for (unsigned b = 0x80; b < 0x100; ++b) {
        const unsigned char byte = static_cast<unsigned char>(b);
        const char16_t c = SystemDecodeCp936(&byte, 1);
        table->single[b - 0x80] = c;
        if (c != 0 && table->encode[c] == 0) {
            table->encode[c] = static_cast<std::uint16_t>(b);
        }
    }
    for (unsigned lead = 0x81; lead < 0xFF; ++lead) {
        for (unsigned trail = 0x40; trail < 0xFF; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const unsigned char bytes[2] = {static_cast<unsigned char>(lead),
                                            static_cast<unsigned char>(trail)};
            const char16_t c = SystemDecodeCp936(bytes, 2);
            if (c == 0 || (c >= 0xD800 && c < 0xE000)) {
                continue;
            }
            table->pair[((lead - 0x80) << 8) | trail] = c;
            if (table->encode[c] == 0) {
                table->encode[c] = static_cast<std::uint16_t>((lead << 8) | trail);
            }
        }
    }
    return table;
}

}  // namespace

const Cp936Table& TheCp936Table() {
    static const std::unique_ptr<Cp936Table> table = BuildTable();
    return *table;
}

}  // namespace platform::detail
