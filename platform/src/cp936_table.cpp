#include "cp936_table.h"

#include "cp936_data.h"

namespace platform::detail {

namespace {

// Where two codes decode to one character, the first in code order is its
// form; the data holds no such pair today.
void AddEncoding(Cp936Table& table, char16_t c, unsigned code) {
    if (c != 0 && table.encode[c] == 0) {
        table.encode[c] = static_cast<std::uint16_t>(code);
    }
}

std::unique_ptr<Cp936Table> BuildTable() {
    auto table = std::make_unique<Cp936Table>();
    for (unsigned b = 0; b < 0x80; ++b) {
        table->encode[b] = static_cast<std::uint16_t>(b);
    }
    for (unsigned b = 0x80; b < 0x100; ++b) {
        table->single[b - 0x80] = kCp936SingleBytes[b - 0x80];
        AddEncoding(*table, table->single[b - 0x80], b);
    }
    for (unsigned lead = kFirstLeadByte; lead <= kLastLeadByte; ++lead) {
        for (unsigned trail = kFirstTrailByte; trail <= kLastTrailByte; ++trail) {
            if (!IsTrailByte(trail)) {
                continue;
            }
            const char16_t c = kCp936DoubleBytes[lead - kFirstLeadByte][TrailIndex(trail)];
            table->pair[((lead - 0x80) << 8) | trail] = c;
            AddEncoding(*table, c, lead << 8 | trail);
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
