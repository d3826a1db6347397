// libFuzzer target: any bytes as a recovery journal.
#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString problem =
        FuzzChecks::journal(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "journal: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
