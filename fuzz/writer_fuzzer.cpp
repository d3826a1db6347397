// libFuzzer target: a fuzzed file with edits derived from it through the splicing writer.
#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString problem =
        FuzzChecks::writer(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "writer: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
