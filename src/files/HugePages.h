#pragma once

#include <QtGlobal>

/// Large buffers a parse or a save fills at once (the file's bytes, the unit records, the
/// new file) are backed by 2 MiB pages where the system offers them on request: touching
/// 24 MiB of fresh memory page by page took five times as long as with large pages.
class HugePages
{
public:
    /// Asks for large pages for the whole 2 MiB stretches of the buffer, before it is
    /// first written. Smaller buffers, and systems without the request, are left as they are.
    static void advise(void *data, qsizetype bytes);
};
