#pragma once

#include "document/ReadResult.h"
#include "splice/DocumentSave.h"
#include "splice/SpliceResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <span>

/// A String Catalog as the window's flows see a document: one language read into rows, and
/// saved through the same results an export's save gives, so the alerts, the unsaved mark and
/// recovery treat both alike.
class CatalogFile
{
public:
    /// The units of `language`; `bytes` gets the file as read, `warnings` what the user must
    /// be told (a key written twice).
    static ReadResult read(const QString &path, const QString &language, QByteArray *bytes,
                           QStringList *warnings);
    /// The file at `path` with `rows` in it, proven; nothing written.
    static SpliceResult pack(const QString &path, const QString &language,
                             std::span<const UnitRecord> rows);
    /// `pack`, then the result written over `path` in one step.
    static DocumentSave::Outcome save(const QString &path, const QString &language,
                                      std::span<const UnitRecord> rows);
};
