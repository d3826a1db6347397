#pragma once

#include "document/ParseState.h"
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
    explicit XliffReader(ParseState &state) : m_state(state) {}

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
    ParseState &m_state;
};
