#include <cstdlib>

#include "chgu/change_date_store.h"

namespace chgu {

std::unique_ptr<ChangeDateStore> SystemChangeDateStore() {
#ifdef _WIN32
    // CHGU_CHANGE_DATE_KEY names another key path, used under both roots in
    // place of "Software\ChguStat". Only the end-to-end tests and the window
    // benchmark set it, for the programs they start, so that they never
    // touch the date a user of the machine has stored.
    const char* test_key = std::getenv("CHGU_CHANGE_DATE_KEY");
    const std::string key = test_key != nullptr && *test_key != '\0' ? test_key : kChangeDateKey;
    return std::make_unique<UserFirstChangeDateStore>(
        std::make_unique<RegistryChangeDateStore>(RegistryRoot::kCurrentUser, key),
        std::make_unique<RegistryChangeDateStore>(RegistryRoot::kLocalMachine, key));
#else
    const auto file = UserChangeDateFile(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    return std::make_unique<FileChangeDateStore>(file.value_or(std::filesystem::path()));
#endif
}

}  // namespace chgu
