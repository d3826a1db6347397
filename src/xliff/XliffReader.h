#pragma once

#include "xliff/ParallelParse.h"
#include "xliff/ParseState.h"
#include "document/ReadResult.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

/// Reads an Xcode XLIFF export into unit records with one event-driven pass, no tree.
/// It reacts to `file`, `trans-unit`, `source`, `target` and `note` wherever they stand
/// and gathers character data in the state's one buffer.
class XliffReader
{
public:
    /// Documents of `parallelFrom` bytes or more are parsed in two parts at once (see
    /// `ParallelParse`); the result is the same either way.
    explicit XliffReader(ParseState &state,
                         qsizetype parallelFrom = ParallelParse::defaultFromSize())
        : m_state(state), m_parallelFrom(parallelFrom)
    {
    }

    /// Parses a whole document. The buffer is emptied first, so text left by a parse that
    /// stopped on an error never leads the next load's first value.
    ReadResult read(QByteArrayView bytes);

    /// Reads and parses a file; a file that can't be read gives an incomplete result.
    /// `bytesRead`, when given, receives the file's bytes as read (left null on failure).
    ReadResult readFile(const QString &path, QByteArray *bytesRead = nullptr);

    /// Gathered character data as a value is stored: white space and line breaks cut from
    /// both ends.
    static QString storedValue(QByteArrayView gathered);

    /// The class a note names, as the regular expression `Class = "([^"]+)"` finds it: a
    /// view into `note`.
    static std::optional<QStringView> noteClass(QStringView note);

private:
    /// Parses in two parts when the document can be cut; false leaves it to one parse.
    bool readInParts(QByteArrayView bytes, ReadResult &result);

    ParseState &m_state;
    qsizetype m_parallelFrom;
};
