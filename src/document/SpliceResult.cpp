#include "document/SpliceResult.h"

#include "document/DocumentFile.h"

std::optional<QString> SpliceResult::text() const
{
    if (!bytes)
        return std::nullopt;
    return DocumentFile::decodeUtf8(*bytes);
}
