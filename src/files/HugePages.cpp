#include "files/HugePages.h"

#ifdef __linux__
#include <sys/mman.h>
#endif

#include <cstdint>

void HugePages::advise([[maybe_unused]] void *data, [[maybe_unused]] qsizetype bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t hugePage = 2 * 1024 * 1024;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = (start + hugePage - 1) & ~(hugePage - 1);
    const std::uintptr_t end = (start + std::uintptr_t(bytes)) & ~(hugePage - 1);
    if (bytes <= 0 || end <= begin)
        return;
    // Only a hint: where it is refused, the buffer simply keeps small pages.
    static_cast<void>(madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE));
#endif
}
