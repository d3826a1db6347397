#pragma once

#include "xliff/ParseState.h"
#include "xliff/XliffReader.h"

#include <QDebug>
#include <QDir>
#include <QStringList>

#include <vector>

/// The units a fresh reader finds in the bytes; none, with a warning, when they do not parse.
inline std::vector<UnitRecord> readUnits(QByteArrayView bytes)
{
    ParseState state;
    ReadResult result = XliffReader(state).read(bytes);
    if (!result.complete)
        qWarning() << "fixture does not parse:" << result.errorString << result.line;
    return std::move(result.units);
}

/// Real exports: the shared collection beside the checkout, else the two kept here.
inline QStringList corpusFiles()
{
    QStringList files;
    QStringList seen;
    for (const QString &dir :
         {QStringLiteral(TARNWICK_CORPUS_DIR), QStringLiteral(TARNWICK_TEST_DATA "/corpus")}) {
        const QDir folder(dir);
        for (const QString &name :
             folder.entryList({QStringLiteral("*.xliff")}, QDir::Files, QDir::Name)) {
            if (seen.contains(name))
                continue;
            seen.append(name);
            files.append(folder.filePath(name));
        }
    }
    return files;
}
