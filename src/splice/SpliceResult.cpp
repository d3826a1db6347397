#include "splice/SpliceResult.h"

#include "files/DocumentFile.h"

std::optional<QString> SpliceResult::text() const
{
    if (!bytes)
        return std::nullopt;
    return DocumentFile::decodeUtf8(*bytes);
}
