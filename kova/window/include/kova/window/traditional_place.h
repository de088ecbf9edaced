// Where program A keeps "繁体字也统计": HKEY_CURRENT_USER\Software\KovaStat,
// value Traditional; in a build with tests another key that a test names
// (KOVA_SETTINGS_KEY), so that the end-to-end tests never touch a player's
// setting.
#pragma once

#include "platform/stored_value.h"

namespace kova {

platform::ValuePlace TraditionalPlace();

}  // namespace kova
