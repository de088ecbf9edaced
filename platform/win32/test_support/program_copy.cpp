#include "program_copy.h"

#include "platform/program_folder.h"

namespace e2e {

ProgramCopy::ProgramCopy(std::string_view exe_name) {
    const std::filesystem::path copy = folder_.path() / exe_name;
    std::filesystem::copy_file(platform::ProgramFolder() / exe_name, copy);
    exe_ = copy.wstring();
}

std::u16string ProgramCopy::Put(std::string_view name, std::string_view bytes) const {
    const std::wstring path = folder_.Write(name, bytes).wstring();
    return {path.begin(), path.end()};
}

}  // namespace e2e
