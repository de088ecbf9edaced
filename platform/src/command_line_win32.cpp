#include <windows.h>
// shellapi.h needs what windows.h declares.
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>

#include "platform/codepage.h"
#include "platform/command_line.h"

namespace platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    // argv holds the arguments in the ANSI code page, where characters
    // outside it have already become "?".
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        std::vector<std::string> arguments;
        for (int i = 1; i < count; ++i) {
            arguments.push_back(Utf16ToUtf8(reinterpret_cast<const char16_t*>(wide[i])));
        }
        LocalFree(wide);
        return arguments;
    }
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

std::filesystem::path PathFromArgument(std::string_view argument) {
    const std::u16string wide = Utf8ToUtf16(argument);
    return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
}

std::u16string PathText(const std::filesystem::path& path) {
    const std::wstring& name = path.native();
    return {name.begin(), name.end()};
}

std::FILE* OpenForReading(const std::filesystem::path& file) {
    std::FILE* opened = nullptr;
    errno = _wfopen_s(&opened, file.c_str(), L"rb");
    return opened;
}

std::size_t RegularFileSize(std::FILE* file) {
    const long long size = _filelengthi64(_fileno(file));
    return size > 0 ? static_cast<std::size_t>(size) : 0;
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace platform
