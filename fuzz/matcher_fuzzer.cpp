// libFuzzer target: the hand-written matcher of the splice patterns against the regular
// expressions, on fuzzed units.
#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString problem =
        FuzzChecks::matcher(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "matcher: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
