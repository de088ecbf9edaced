#include "change_date_place.h"
#include "chgu/change_date_store.h"

namespace chgu {

std::unique_ptr<platform::StoredValue> SystemTraditionalStore() {
    platform::ValuePlace place = ChangeDatePlace();
    place.name = "Traditional";
    place.read_capacity = 1;
    return platform::SystemStoredValue(platform::ValueScope::kUser, place);
}

std::unique_ptr<ChangeDateStore> SystemChangeDateStore() {
    const platform::ValuePlace place = ChangeDatePlace();
    return std::make_unique<UserFirstChangeDateStore>(
        platform::SystemStoredValue(platform::ValueScope::kUser, place),
        platform::SystemStoredValue(platform::ValueScope::kMachine, place));
}

}  // namespace chgu
