#include <cstdlib>

#include "chgu/change_date_store.h"

namespace chgu {

std::unique_ptr<ChangeDateStore> SystemChangeDateStore() {
    platform::ValuePlace place = kChangeDatePlace;
    if (const char* test_key = std::getenv("CHGU_CHANGE_DATE_KEY");
        test_key != nullptr && *test_key != '\0') {
        place.key = test_key;
    }
    return std::make_unique<UserFirstChangeDateStore>(
        platform::SystemStoredValue(platform::ValueScope::kUser, place),
        platform::SystemStoredValue(platform::ValueScope::kMachine, place));
}

}  // namespace chgu
