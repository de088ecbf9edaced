#include <string>
#include <system_error>

#include "platform/file_exists.h"

namespace platform {

bool FileExists(const std::filesystem::path& path) noexcept {
    try {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error) || error) {
            return false;
        }
        // A dot file is hidden, as the hidden attribute hides a file on Windows.
        const std::string name = path.filename().string();
        return !name.empty() && name.front() != '.';
    } catch (...) {
        return false;
    }
}

}  // namespace platform
