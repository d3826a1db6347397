#pragma once

#include "memory/MemoryEntry.h"

#include <QByteArray>
#include <QString>

/// Writes memory entries as a TMX 1.4b document, one translation unit per entry: the header
/// with every attribute 1.4b requires, dates as `YYYYMMDDThhmmssZ`, the entry's file and
/// project as `x-file` and `x-project` properties (which `TmxReader` reads back), its id as
/// `tuid`.
class TmxWriter
{
public:
    /// `sourceLanguage` is the header's `srclang`: the one source language of all entries,
    /// or empty for "*all*".
    TmxWriter(const QString &sourceLanguage, qint64 now);

    /// Adds one unit. An entry holding characters XML 1.0 cannot carry (control characters
    /// other than tab and line breaks) is left out: false.
    bool add(const MemoryEntry &entry);
    /// The whole document.
    QByteArray finish();

    static QString dateText(qint64 seconds);

private:
    QByteArray m_text;
};
