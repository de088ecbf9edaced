#include "change_date_place.h"
#include "chgu/change_date_store.h"

namespace chgu {

platform::ValuePlace ChangeDatePlace() {
    return kChangeDatePlace;
}

}  // namespace chgu
