// A folder of the tests' own in the temporary folder: its name is unique to
// the process and the call, since tests of several builds run side by side,
// and it is removed with everything in it when the test ends, passed or
// failed.
#pragma once

#include <filesystem>
#include <string_view>

namespace platform::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes bytes to the file name in the folder and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

}  // namespace platform::test
