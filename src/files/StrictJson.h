#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

/// Holds JSON text to the standard's grammar (RFC 8259) before Qt's parser reads it. Qt's
/// parser is lenient where the standard is not: it takes `\x41` and `\0` as escapes, a raw
/// tab or carriage return inside a string, any backslash before a letter; such text is not
/// JSON and means something else to every other reader, so it is refused instead of read.
class StrictJson
{
public:
    /// Where and why text is not JSON.
    struct Fault
    {
        qsizetype offset = 0; ///< the byte the reading stopped at
        QString reason;       ///< in the user's words
    };

    /// Nesting deeper than this is refused rather than walked.
    static constexpr int maxDepth = 512;

    /// Why `text` is not exactly one JSON value with optional white space around it (and
    /// valid UTF-8 throughout); none when it is.
    static std::optional<Fault> fault(QByteArrayView text);
};
