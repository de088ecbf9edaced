#include "program_copy.h"

#include <windows.h>


namespace e2e {

namespace {

std::filesystem::path TestProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return std::filesystem::path(path).parent_path();
}

}  // namespace

ProgramCopy::ProgramCopy(std::string_view exe_name) {
    const std::filesystem::path copy = folder_.path() / exe_name;
    std::filesystem::copy_file(TestProgramFolder() / exe_name, copy);
    exe_ = copy.wstring();
}

std::u16string ProgramCopy::Put(std::string_view name, std::string_view bytes) const {
    const std::wstring path = folder_.Write(name, bytes).wstring();
    return {path.begin(), path.end()};
}

}  // namespace e2e
