#include "program_files.h"

#include <fstream>
#include <system_error>

#include "kova/year_tables.h"
#include "platform/text_file.h"
#include "yeartables/year_tables_file.h"

namespace web {

namespace {

// Where the build put its generated YearTables.txt (see CMakeLists.txt).
const std::filesystem::path kGeneratedYearTables = "/generated/YearTables.txt";

bool IsYearTables(std::string_view name) {
    return name == yeartables::kYearTablesFileName;
}

}  // namespace

std::filesystem::path ProgramFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path path = "/tipstat";
        std::error_code error;
        std::filesystem::create_directories(path, error);
        std::filesystem::copy_file(kGeneratedYearTables, path / yeartables::kYearTablesFileName,
                                   error);
        return path;
    }();
    return folder;
}

YearSpan BuiltInYears() {
    const kova::YearTables tables(yeartables::ReadYearTablesFile(kGeneratedYearTables).years);
    return {tables.FirstYear(), tables.LastYear()};
}

bool PutUserFile(std::string_view name, std::string_view bytes) {
    std::ofstream out(ProgramFolder() / name, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush());
}

void RemoveUserFile(std::string_view name) {
    const std::filesystem::path file = ProgramFolder() / name;
    std::error_code error;
    if (IsYearTables(name)) {
        std::filesystem::copy_file(kGeneratedYearTables, file,
                                   std::filesystem::copy_options::overwrite_existing, error);
    } else {
        std::filesystem::remove(file, error);
    }
}

std::optional<std::u16string> YearTablesFault(std::string_view bytes,
                                              std::u16string_view file_name) {
    return yeartables::ParseYearTables(platform::DecodeTextFile(bytes), file_name).fault;
}

}  // namespace web
