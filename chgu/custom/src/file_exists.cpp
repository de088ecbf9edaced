#ifdef _WIN32
#include <windows.h>
#endif

#include <system_error>

#include "chgu/custom_attributes.h"

namespace chgu {

bool FileExists(const std::filesystem::path& path) noexcept {
    try {
#ifdef _WIN32
        const DWORD attributes = GetFileAttributesW(path.c_str());
        constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                                    FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotAFile) == 0;
#else
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error) || error) {
            return false;
        }
        const std::string name = path.filename().string();
        return !name.empty() && name.front() != '.';
#endif
    } catch (...) {
        return false;
    }
}

}  // namespace chgu
