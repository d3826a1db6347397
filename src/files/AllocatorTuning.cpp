#include "files/AllocatorTuning.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

void AllocatorTuning::apply()
{
#ifdef __GLIBC__
    // Each arena's heap is made writable whole when it is created (64 MiB, the most one
    // holds), and the main heap grows in steps as large. Pages never touched cost nothing;
    // as much freed memory is kept for the next document instead of given back at once.
    constexpr int topPad = 64 * 1024 * 1024;
    mallopt(M_TOP_PAD, topPad);
#endif
}
