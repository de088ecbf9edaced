#include <cstdlib>

#include "kova/window/traditional_place.h"

namespace kova {

platform::ValuePlace TraditionalPlace() {
    platform::ValuePlace place{"Software\\KovaStat", "Traditional", "kova", 1};
    if (const char* test_key = std::getenv("KOVA_SETTINGS_KEY");
        test_key != nullptr && *test_key != '\0') {
        place.key = test_key;
    }
    return place;
}

}  // namespace kova
