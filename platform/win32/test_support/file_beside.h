// A data file beside the test program, and so beside the program it starts
// (Define.txt, YearTables.txt), for one test.
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace e2e {

// The folder of the running test program, with a separator at the end.
inline std::wstring TestFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

class FileBeside {
  public:
    FileBeside(std::wstring_view name, std::string_view bytes)
        : path_(TestFolder() + std::wstring(name)) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    FileBeside(const FileBeside&) = delete;
    FileBeside& operator=(const FileBeside&) = delete;
    // Removed also when an assertion ends the test early, so that the next
    // test starts the program without it.
    ~FileBeside() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }

    // As the program names it: its folder's path and the file name.
    std::u16string Path() const {
        const std::wstring& path = path_.native();
        return {path.begin(), path.end()};
    }

  private:
    std::filesystem::path path_;
};

}  // namespace e2e
