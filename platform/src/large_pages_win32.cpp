#include "platform/large_pages.h"

namespace platform {

// Large pages on Windows need a privilege that a user's account does not
// hold, and memory allocated for them from the start.
void PreferLargePages(void*, std::size_t) {}

}  // namespace platform
