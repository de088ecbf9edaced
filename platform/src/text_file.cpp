#include "platform/text_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/codepage.h"

namespace platform {

namespace {

std::u16string DecodeUtf16(std::string_view bytes, bool big_endian) {
    std::u16string text;
    text.reserve(bytes.size() / 2 + 1);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text.push_back(
            static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first));
    }
    if (bytes.size() % 2 != 0) {
        text.push_back(kReplacementCharacter);
    }
    return text;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // A failed read throws from the stream buffer (a folder opens on Linux
    // and fails only when read); that is a file that cannot be read too.
    try {
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) {
            return std::nullopt;
        }
        return bytes;
    } catch (const std::ios_base::failure&) {
        return std::nullopt;
    }
}

std::u16string TooLargeFileMessage(std::u16string_view file_name) {
    std::u16string message = u"文件“";
    return message.append(file_name).append(u"”大于 4 MB，不是手写的文本文件，没有读取。");
}

HandWrittenFile ReadHandWrittenFile(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size > kHandWrittenFileLimit) {
        return {std::nullopt, true};
    }
    return {ReadWholeFile(file), false};
}

std::u16string DecodeTextFile(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return Utf8ToUtf16(bytes.substr(3));
    }
    if (bytes.starts_with("\xFF\xFE")) {
        return DecodeUtf16(bytes.substr(2), false);
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return DecodeUtf16(bytes.substr(2), true);
    }
    std::u16string utf8 = Utf8ToUtf16(bytes);
    const bool valid = std::find(utf8.begin(), utf8.end(), kReplacementCharacter) == utf8.end() ||
                       Utf16ToUtf8(utf8) == bytes;
    const bool beyond_two_bytes =
        std::any_of(utf8.begin(), utf8.end(), [](char16_t unit) { return unit > 0x07FF; });
    if (valid && beyond_two_bytes) {
        return utf8;
    }
    return GbkToUtf16(bytes);
}

}  // namespace platform
