// Input that Windows users save as "Unicode": UTF-16 after a byte-order mark
// (FF FE little endian, FE FF big endian), or without one when --encoding
// utf-16 says so (little endian, as Windows writes it).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

enum class Utf16Order { kLittleEndian, kBigEndian };

inline constexpr std::size_t kUtf16MarkBytes = 2;

// The byte order that a UTF-16 byte-order mark at the start names; nothing
// when the bytes start otherwise. No code page 936 or UTF-8 text starts so:
// 0xFF is no character in either, and 0xFE is followed by no 0xFF.
std::optional<Utf16Order> Utf16ByteOrderMark(std::string_view start);

// Appends the UTF-16 text of a block of bytes and gives how many bytes it
// took: all but an odd last byte, and but a high surrogate at the end (so
// that a pair split between blocks converts whole), unless the block is the
// input's last; there an odd byte reads as U+FFFD. As code page 936, a
// character without a code is "?".
std::size_t AppendUtf16Bytes(std::u16string& text, std::string_view bytes, Utf16Order order,
                             bool last);
std::size_t AppendUtf16Bytes(std::string& gbk, std::string_view bytes, Utf16Order order, bool last);

}  // namespace cli
