#include <fstream>
#include <system_error>

#include "platform/stored_value.h"

namespace platform {

std::optional<std::string> FileValue::Read() const {
    if (file_.empty()) {
        return std::nullopt;
    }
    std::ifstream in(file_, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // One byte more than a reader takes is enough to know a value does not fit.
    std::string bytes(read_capacity_ + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

void FileValue::Write(std::uint32_t /*type*/, std::string_view bytes) {
    if (file_.empty()) {
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    // Written beside the file and renamed over it, so that a failed write
    // leaves the stored value as it was.
    std::filesystem::path fresh = file_;
    fresh += ".new";
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(fresh, error);
            return;
        }
    }
    std::filesystem::rename(fresh, file_, error);
    if (error) {
        std::filesystem::remove(fresh, error);
    }
}

std::optional<std::filesystem::path> UserConfigurationFile(const char* xdg_config_home,
                                                           const char* home,
                                                           const ValuePlace& place) {
    std::filesystem::path folder;
    if (xdg_config_home != nullptr && std::filesystem::path(xdg_config_home).is_absolute()) {
        folder = xdg_config_home;
    } else if (home != nullptr && *home != '\0') {
        folder = std::filesystem::path(home) / ".config";
    } else {
        return std::nullopt;
    }
    return folder / place.folder / place.name;
}

}  // namespace platform
