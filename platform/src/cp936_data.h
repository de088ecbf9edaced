// Code page 936 as Windows decodes it, kept as data so that every build
// (Windows, Linux, the page in the browser) reads and writes the very bytes
// the Windows programs do. The systems' own converters disagree: glibc's
// iconv leaves 2 149 double-byte codes undefined (the user-defined areas
// AAA1..AFFE, F8A1..FEFE, A140..A7A0 and scattered codes of the symbol
// rows), which Windows decodes to the private-use characters
// U+E000..U+E864; browsers decode 101 of them to the characters that
// GB 18030 later assigned there; emscripten's C library has no code page
// 936 at all.
//
// cp936_data.cpp is written by platform/tools/cp936_walk.cpp on Windows
// (`cp936-walk --system --source`); the tests walk every code against the
// system's converter again.
#pragma once

#include <array>
#include <cstddef>

namespace platform::detail {

// Lead bytes 0x81..0xFE; trail bytes 0x40..0xFE without 0x7F.
inline constexpr unsigned kFirstLeadByte = 0x81;
inline constexpr unsigned kLastLeadByte = 0xFE;
inline constexpr unsigned kFirstTrailByte = 0x40;
inline constexpr unsigned kLastTrailByte = 0xFE;
inline constexpr unsigned kNoTrailByte = 0x7F;
inline constexpr std::size_t kTrailsPerLead = kLastTrailByte - kFirstTrailByte;  // 190

constexpr bool IsTrailByte(unsigned byte) {
    return byte >= kFirstTrailByte && byte <= kLastTrailByte && byte != kNoTrailByte;
}
constexpr std::size_t TrailIndex(unsigned trail) {
    return trail - kFirstTrailByte - (trail > kNoTrailByte ? 1 : 0);
}

using Cp936DoubleBytes =
    std::array<std::array<char16_t, kTrailsPerLead>, kLastLeadByte - kFirstLeadByte + 1>;

// The character of each byte 0x80..0xFF read alone, of each double-byte
// code; 0 where it is not a character.
extern const std::array<char16_t, 0x80> kCp936SingleBytes;
extern const Cp936DoubleBytes kCp936DoubleBytes;

}  // namespace platform::detail
