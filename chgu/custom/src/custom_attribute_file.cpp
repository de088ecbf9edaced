#include <algorithm>
#include <system_error>

#include "chgu/custom_attributes.h"
#include "platform/file_exists.h"
#include "platform/text_file.h"

namespace chgu {

namespace {

bool SameNameIgnoringCase(std::u8string_view a, std::u8string_view b) {
    const auto lower = [](char8_t c) {
        return c >= u8'A' && c <= u8'Z' ? static_cast<char8_t>(c - u8'A' + u8'a') : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char8_t x, char8_t y) { return lower(x) == lower(y); });
}

}  // namespace

std::optional<std::filesystem::path> FindCustomAttributeFile(const std::filesystem::path& folder) {
    try {
        const std::filesystem::path exact = folder / kCustomAttributeFileName;
        if (platform::FileExists(exact)) {
            return exact;
        }
        // Names differ only in case on file systems that tell them apart;
        // the first in name order wins.
        std::vector<std::filesystem::path> matches;
        std::error_code error;
        const std::u8string wanted = std::filesystem::path(kCustomAttributeFileName).u8string();
        for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            if (SameNameIgnoringCase(entry->path().filename().u8string(), wanted) &&
                platform::FileExists(entry->path())) {
                matches.push_back(entry->path());
            }
        }
        if (matches.empty()) {
            return std::nullopt;
        }
        return *std::min_element(matches.begin(), matches.end());
    } catch (...) {
        return std::nullopt;
    }
}

std::vector<std::u16string> CustomAttributeLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) {
            end = text.size();
        }
        if (end > start) {
            lines.emplace_back(text.substr(start, end - start));
        }
        start = end + (text.substr(end, 2) == u"\r\n" ? 2 : 1);
    }
    return lines;
}

std::u16string MembersOf(std::u16string_view line) {
    const std::size_t bar = line.rfind(u'|');
    return bar == std::u16string_view::npos ? std::u16string()
                                            : std::u16string(line.substr(bar + 1));
}

CustomAttributeFile LoadCustomAttributeFile(const std::filesystem::path& folder) {
    const auto file = FindCustomAttributeFile(folder);
    if (!file) {
        return {};
    }
    // A file that exists but cannot be read counts as no file.
    const platform::HandWrittenFile read = platform::ReadHandWrittenFile(*file);
    if (read.too_large) {
        return {{}, platform::TooLargeFileMessage(file->u16string())};
    }
    if (!read.bytes) {
        return {};
    }
    return {CustomAttributeLines(platform::DecodeTextFile(*read.bytes)), std::nullopt};
}

std::vector<std::u16string> LoadCustomAttributes(const std::filesystem::path& folder) {
    return LoadCustomAttributeFile(folder).lines;
}

}  // namespace chgu
