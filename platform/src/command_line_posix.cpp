#include <sys/stat.h>

#include "platform/codepage.h"
#include "platform/command_line.h"

namespace platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

std::filesystem::path PathFromArgument(std::string_view argument) {
    return std::filesystem::path(std::string(argument));
}

std::u16string PathText(const std::filesystem::path& path) {
    return Utf8ToUtf16(path.native());
}

std::FILE* OpenForReading(const std::filesystem::path& file) {
    return std::fopen(file.c_str(), "rb");
}

std::size_t RegularFileSize(std::FILE* file) {
    struct stat status {};
    const long long size =
        fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode) ? status.st_size : 0;
    return size > 0 ? static_cast<std::size_t>(size) : 0;
}

void UseBinaryStandardStreams() {}

}  // namespace platform
