#include "platform/clock.h"

#include <ctime>

#include "local_time.h"
#include "test_today.h"

namespace platform {

LocalDate LocalDateToday() {
    if (const auto fixed = TestToday()) {
        return *fixed;
    }
    return detail::LocalDateOf(std::time(nullptr));
}

}  // namespace platform
