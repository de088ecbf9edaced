// The folder of the running program, where the data files a user keeps
// beside it (Define.txt, YearTables.txt) are looked for.
#pragma once

#include <filesystem>

namespace platform {

// Empty when it cannot be told.
std::filesystem::path ProgramFolder();

}  // namespace platform
