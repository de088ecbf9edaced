#include "chgu/table_year.h"
#include "platform/clock.h"

namespace chgu {

CivilDate LocalToday() {
    const platform::LocalDate today = platform::LocalDateToday();
    return CivilDate{today.year, today.month, today.day};
}

}  // namespace chgu
