// Text files that users write by hand beside the programs (Define.txt, the
// year tables): whatever Notepad saves them as, they read as the text the
// user sees.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The whole file as bytes; nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// The files users write by hand hold a few KB. One larger than this is no
// such file (another picked or named by mistake) and is not read at all.
inline constexpr std::uintmax_t kHandWrittenFileLimit = std::uintmax_t{4} << 20;

// Why such a file was not read, naming it as the user sees it.
std::u16string TooLargeFileMessage(std::u16string_view file_name);

// A file written by hand: its bytes, or nothing when it cannot be read or
// is larger than kHandWrittenFileLimit (too_large).
struct HandWrittenFile {
    std::optional<std::string> bytes;
    bool too_large = false;
};
HandWrittenFile ReadHandWrittenFile(const std::filesystem::path& file);

// The text of a file's bytes:
// - after a byte-order mark, UTF-8 or UTF-16 (little or big endian); an odd
//   last byte of UTF-16 reads as one replacement character;
// - without one, UTF-8 when the bytes are valid UTF-8 and hold at least one
//   character above U+07FF (every Chinese character is one), so that a code
//   page 936 file whose bytes happen to be valid UTF-8 (two-byte forms only)
//   still reads as code page 936;
// - otherwise code page 936.
std::u16string DecodeTextFile(std::string_view bytes);

}  // namespace platform
