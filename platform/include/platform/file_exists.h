// Whether a data file a user keeps beside a program is there to be read.
#pragma once

#include <filesystem>

namespace platform {

// True when path names an existing file with normal attributes: hidden and
// system files and folders are not files (on POSIX: a regular file whose
// name does not start with "."). Any failure gives false.
bool FileExists(const std::filesystem::path& path) noexcept;

}  // namespace platform
