// Memory for a large text, as a conversion writes or a command-line tool
// holds one: on a fresh allocation, each 4 KiB page's first touch costs the
// kernel a fault (in a virtual machine, a costly one), more than converting
// the bytes that fill it. Asking for the system's large pages over the
// allocation before it is written makes those faults few.
#pragma once

#include <cstddef>

namespace platform {

// A wish, never a failure: where the system has no large pages for a
// program to ask for, or the range holds no whole large page, it does
// nothing.
void PreferLargePages(void* start, std::size_t bytes);

}  // namespace platform
