#include <cstdlib>

#include "chgu/change_date_store.h"

namespace chgu {

namespace {

platform::ValuePlace PlaceOnKey(platform::ValuePlace place) {
    if (const char* test_key = std::getenv("CHGU_CHANGE_DATE_KEY");
        test_key != nullptr && *test_key != '\0') {
        place.key = test_key;
    }
    return place;
}

}  // namespace

std::unique_ptr<platform::StoredValue> SystemTraditionalStore() {
    platform::ValuePlace place = kChangeDatePlace;
    place.name = "Traditional";
    place.read_capacity = 1;
    return platform::SystemStoredValue(platform::ValueScope::kUser, PlaceOnKey(place));
}

std::unique_ptr<ChangeDateStore> SystemChangeDateStore() {
    const platform::ValuePlace place = PlaceOnKey(kChangeDatePlace);
    return std::make_unique<UserFirstChangeDateStore>(
        platform::SystemStoredValue(platform::ValueScope::kUser, place),
        platform::SystemStoredValue(platform::ValueScope::kMachine, place));
}

}  // namespace chgu
