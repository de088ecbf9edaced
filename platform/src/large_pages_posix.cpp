#include "platform/large_pages.h"

#include <sys/mman.h>

#include <cstdint>

namespace platform {

void PreferLargePages(void* start, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    // The whole large pages within the range: the kernel refuses a range
    // that does not start on a page, and the memory around it is not ours.
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t first = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t end = (begin + bytes) & ~(kLargePage - 1);
    if (first < end) {
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
    }
#else
    (void)start;
    (void)bytes;
#endif
}

}  // namespace platform
