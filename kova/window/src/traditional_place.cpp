#include "kova/window/traditional_place.h"

namespace kova {

platform::ValuePlace TraditionalPlace() {
    return {"Software\\KovaStat", "Traditional", "kova", 1};
}

}  // namespace kova
