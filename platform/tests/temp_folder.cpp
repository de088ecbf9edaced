#include "temp_folder.h"

#include <atomic>
#include <fstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace platform::test {

TempFolder::TempFolder() {
    static std::atomic<int> serial{0};
#ifdef _WIN32
    const auto process = GetCurrentProcessId();
#else
    const auto process = getpid();
#endif
    path_ = std::filesystem::temp_directory_path() /
            ("tipstat-test-" + std::to_string(process) + "-" + std::to_string(serial++));
    // A folder left by an earlier process of the same number.
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::Write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

}  // namespace platform::test
