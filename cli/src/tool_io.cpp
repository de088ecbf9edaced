#include "cli/tool_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "platform/command_line.h"

namespace cli {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string ErrnoText() {
    return std::generic_category().message(errno);
}

std::FILE* OpenForReading(const std::string& path) {
    const std::filesystem::path file = platform::PathFromArgument(path);
#ifdef _WIN32
    // By its UTF-16 name: an ANSI name could not hold every character.
    std::FILE* opened = nullptr;
    errno = _wfopen_s(&opened, file.c_str(), L"rb");
    return opened;
#else
    return std::fopen(file.c_str(), "rb");
#endif
}

// Reads to the end of the stream; false on a read error.
bool ReadToEnd(std::FILE* file, std::string& content) {
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    for (;;) {
        const std::size_t old_size = content.size();
        content.resize(old_size + kChunk);
        const std::size_t got = std::fread(content.data() + old_size, 1, kChunk, file);
        content.resize(old_size + got);
        if (got < kChunk) {
            return std::ferror(file) == 0;
        }
    }
}

}  // namespace

void UseBinaryStandardStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

std::optional<std::string> ReadWholeInput(const std::optional<std::string>& path,
                                          std::string& error) {
    std::string content;
    if (!path) {
        errno = 0;
        if (!ReadToEnd(stdin, content)) {
            error = std::string("cannot read standard input: ").append(ErrnoText());
            return std::nullopt;
        }
        return content;
    }
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(OpenForReading(*path));
    if (!file) {
        error = std::string("cannot open '").append(*path).append("': ").append(ErrnoText());
        return std::nullopt;
    }
    if (!ReadToEnd(file.get(), content)) {
        error = std::string("cannot read '").append(*path).append("': ").append(ErrnoText());
        return std::nullopt;
    }
    return content;
}

std::string_view WithoutByteOrderMark(std::string_view utf8) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (utf8.starts_with(kByteOrderMark)) {
        utf8.remove_prefix(kByteOrderMark.size());
    }
    return utf8;
}

bool WriteStandardOutput(std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
           std::fflush(stdout) == 0;
}

void Notify(std::string_view tool, std::string_view message) {
    std::string line(tool);
    line.append(": ").append(message).append("\n");
    std::fputs(line.c_str(), stderr);
}

int Fail(std::string_view tool, std::string_view message) {
    Notify(tool, message);
    return kUsageError;
}

int Print(std::string_view tool, std::string_view text, const std::optional<std::string>& notice) {
    if (!WriteStandardOutput(text)) {
        return Fail(tool, "cannot write standard output");
    }
    if (notice) {
        Notify(tool, *notice);
    }
    return 0;
}

}  // namespace cli
