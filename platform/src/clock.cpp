#include "platform/clock.h"

#include <ctime>

#include "test_today.h"

namespace platform {

LocalDate LocalDateToday() {
    if (const auto fixed = TestToday()) {
        return *fixed;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace platform
