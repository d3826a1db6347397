// libFuzzer target: any bytes as a stored dictionary file and as JSON Lines. Whatever reads
// must write back to the same entries, so a save never loses or changes an entry.
#include "dictionary/DictionaryFormat.h"

#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "dictionary: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const DictionaryParse stored = DictionaryFormat::fromJson(bytes);
    if (stored.ok()) {
        const DictionaryParse again =
            DictionaryFormat::fromJson(DictionaryFormat::toJson(stored.entries));
        require(again.ok() && again.entries == stored.entries, "stored file does not round-trip");
    } else {
        require(!stored.error.isEmpty(), "stored file refused without a reason");
    }

    const DictionaryParse lines = DictionaryFormat::fromJsonLines(bytes);
    if (lines.ok()) {
        const DictionaryParse again =
            DictionaryFormat::fromJsonLines(DictionaryFormat::toJsonLines(lines.entries));
        require(again.ok() && again.entries == lines.entries, "JSON Lines do not round-trip");
    }
    return 0;
}
