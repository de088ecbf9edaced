// Custom attributes: named pieces of input text defined one per line in the
// file Define.txt beside the program ("禽畜|牛马羊鸡狗猪"). The start-up sequence
// lists the lines in Combo1; picking one appends its members to Text1.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chgu {

inline constexpr char kCustomAttributeFileName[] = "Define.txt";

// Define.txt in folder, its name matched without regard to letter case.
std::optional<std::filesystem::path> FindCustomAttributeFile(const std::filesystem::path& folder);

// The lines of the file in order, every line but the empty ones. A line ends
// at CR LF, a lone CR or a lone LF.
std::vector<std::u16string> CustomAttributeLines(std::u16string_view text);

// The lines of Define.txt in folder, read in whatever encoding Notepad saved
// it (platform/text_file.h); none when there is no such file or it cannot
// be read. A file larger than a hand-written one can be is not read, and
// fault says so.
struct CustomAttributeFile {
    std::vector<std::u16string> lines;
    std::optional<std::u16string> fault;
};
CustomAttributeFile LoadCustomAttributeFile(const std::filesystem::path& folder);
std::vector<std::u16string> LoadCustomAttributes(const std::filesystem::path& folder);

// What a line inserts: everything after its last "|", "" without one.
std::u16string MembersOf(std::u16string_view line);

}  // namespace chgu
