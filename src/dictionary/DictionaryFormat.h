#pragma once

#include "dictionary/DictionaryParse.h"
#include "dictionary/ReplacementDictionary.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

/// The dictionary's two text forms, both UTF-8 JSON with the keys "srcs" and "tget":
/// the stored file (one object holding the entries in order) and JSON Lines (one entry
/// object a line) for the command-line tool.
class DictionaryFormat
{
    Q_DECLARE_TR_FUNCTIONS(DictionaryFormat)

public:
    /// The stored file's text: {"format": "tarnwick-dictionary", "version": 1, "entries": […]}.
    static QByteArray toJson(const ReplacementDictionary &entries);
    /// Reads a stored file's text. Anything but the exact shape is an error, so an entry is
    /// never silently dropped or invented.
    static DictionaryParse fromJson(const QByteArray &text);

    /// One `{"srcs": …, "tget": …}` object a line, each line ending in "\n".
    static QByteArray toJsonLines(const ReplacementDictionary &entries);
    /// Reads JSON Lines. Blank lines are skipped and a line may end in "\r\n"; every other
    /// line must be an object with the string members "srcs" and "tget" (others are ignored).
    static DictionaryParse fromJsonLines(const QByteArray &text);
    /// Reads a JSON Lines file; an unreadable file is an error naming the path.
    static DictionaryParse readJsonLinesFile(const QString &path);

    static constexpr int version = 1;
};
