#include <cstdlib>

#include "change_date_place.h"
#include "chgu/change_date_store.h"

namespace chgu {

platform::ValuePlace ChangeDatePlace() {
    platform::ValuePlace place = kChangeDatePlace;
    if (const char* test_key = std::getenv("CHGU_CHANGE_DATE_KEY");
        test_key != nullptr && *test_key != '\0') {
        place.key = test_key;
    }
    return place;
}

}  // namespace chgu
