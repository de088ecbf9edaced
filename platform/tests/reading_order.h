// Whether a window's Tab walk reads as a page does: every control a user
// acts on once (an option group once), and from each stop to the next
// either further down, or further right on the same line.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "platform/control_table.h"

namespace platform::test {

::testing::AssertionResult WalksInReadingOrder(const FormLayout& form,
                                               const std::vector<std::size_t>& walk);

}  // namespace platform::test
