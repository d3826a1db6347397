// libFuzzer target: any bytes as a stored dictionary file and as JSON Lines. Whatever reads
// must write back to the same entries, so a save never loses or changes an entry.
#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString problem = FuzzChecks::dictionary(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (problem.isEmpty())
        return 0;
    std::fprintf(stderr, "dictionary: %s\n", qPrintable(problem));
    std::abort();
}
