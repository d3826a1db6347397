#pragma once

#include "dictionary/DictionaryLoad.h"
#include "dictionary/ReplacementDictionary.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

/// Keeps the user's dictionary between launches in one JSON file in the application's data
/// folder. Every save replaces the file atomically. A stored file that cannot be read is never
/// overwritten: restore() moves it aside under a dated name, and when that fails, saving
/// stays off for the life of the store so the file is left as it is.
class DictionaryStore
{
    Q_DECLARE_TR_FUNCTIONS(DictionaryStore)

public:
    /// A store at defaultFilePath().
    DictionaryStore();
    explicit DictionaryStore(QString filePath);

    /// "dictionary.json" in QStandardPaths::AppDataLocation.
    static QString defaultFilePath();
    const QString &filePath() const { return m_filePath; }

    /// Reads the stored file; changes nothing on disk.
    DictionaryLoad read() const;
    /// The dictionary the application uses: the stored entries, or the built-in list when
    /// nothing (or an empty list) is stored. An unreadable file is reported, not replaced.
    DictionaryLoad readInUse() const;
    /// Reads the stored file at launch; an unreadable one is moved aside (see movedTo).
    DictionaryLoad restore();

    /// False after restore() found an unreadable file it could not move aside.
    bool canSave() const { return !m_saveBlocked; }
    /// Writes `entries` atomically. Returns why it failed, or nothing on success.
    [[nodiscard]] std::optional<QString> save(const ReplacementDictionary &entries);

private:
    QString asideFilePath() const;

    QString m_filePath;
    bool m_saveBlocked = false;
};
