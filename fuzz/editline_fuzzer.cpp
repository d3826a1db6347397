// libFuzzer target: any bytes as the command line's edit lines, held to a strict parser.
#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString problem = FuzzChecks::editLines(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "edit lines: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
