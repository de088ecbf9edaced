#include "local_time.h"

namespace platform::detail {

LocalDate LocalDateOf(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    return LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace platform::detail
