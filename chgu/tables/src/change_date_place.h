// Where this system keeps the change date: kChangeDatePlace, or in a build
// with tests another key path that a test names (CHGU_CHANGE_DATE_KEY).
#pragma once

#include "platform/stored_value.h"

namespace chgu {

platform::ValuePlace ChangeDatePlace();

}  // namespace chgu
