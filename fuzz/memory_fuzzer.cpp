// libFuzzer target: fuzzed bytes as TMX read and written back, and as lines looked up in a
// match index held to a plain edit distance.
#include "MemoryFuzzCheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString problem = MemoryFuzzCheck::check(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "memory: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
