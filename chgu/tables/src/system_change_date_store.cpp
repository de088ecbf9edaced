#include <cstdlib>

#include "chgu/change_date_store.h"

namespace chgu {

std::unique_ptr<ChangeDateStore> SystemChangeDateStore() {
#ifdef _WIN32
    return std::make_unique<RegistryChangeDateStore>();
#else
    const auto file = UserChangeDateFile(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    return std::make_unique<FileChangeDateStore>(file.value_or(std::filesystem::path()));
#endif
}

}  // namespace chgu
