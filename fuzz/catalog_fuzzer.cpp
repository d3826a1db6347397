// libFuzzer target: a fuzzed String Catalog read, saved unchanged, edited and saved twice.
#include "CatalogFuzzCheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString problem = CatalogFuzzCheck::check(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "catalog: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
