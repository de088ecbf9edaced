#include "platform/command_line.h"

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs what windows.h declares.
#include <shellapi.h>

#include "platform/codepage.h"
#endif

namespace platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
#ifdef _WIN32
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
#endif
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

std::filesystem::path PathFromArgument(std::string_view argument) {
#ifdef _WIN32
    const std::u16string wide = Utf8ToUtf16(argument);
    return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
#else
    return std::filesystem::path(std::string(argument));
#endif
}

}  // namespace platform
