#include "dictionary/DictionaryStore.h"

#include "dictionary/BuiltinDictionary.h"
#include "dictionary/DictionaryFormat.h"
#include "files/DocumentFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

using namespace Qt::StringLiterals;

DictionaryStore::DictionaryStore() : DictionaryStore(defaultFilePath()) {}

DictionaryStore::DictionaryStore(QString filePath) : m_filePath(std::move(filePath)) {}

QString DictionaryStore::defaultFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(u"dictionary.json"_s);
}

DictionaryLoad DictionaryStore::read() const
{
    DictionaryLoad load;
    if (m_filePath.isEmpty() || !QFileInfo::exists(m_filePath))
        return load;

    load.status = DictionaryLoad::Status::Unreadable;
    // A pipe or device put in its place is refused at once: start-up never waits on it.
    const DocumentFile::Bytes file = DocumentFile::read(m_filePath);
    if (!file.error.isEmpty()) {
        load.error = file.error;
        return load;
    }
    DictionaryParse parse = DictionaryFormat::fromJson(file.bytes);
    if (!parse.ok()) {
        load.error = parse.error;
        return load;
    }
    load.status = DictionaryLoad::Status::Loaded;
    load.entries = std::move(parse.entries);
    return load;
}

DictionaryLoad DictionaryStore::readInUse() const
{
    DictionaryLoad load = read();
    if (load.status != DictionaryLoad::Status::Unreadable && load.entries.empty())
        load.entries = BuiltinDictionary::entries();
    return load;
}

DictionaryLoad DictionaryStore::restore()
{
    DictionaryLoad load = read();
    if (load.status != DictionaryLoad::Status::Unreadable)
        return load;

    const QString aside = asideFilePath();
    if (!aside.isEmpty() && QFile::rename(m_filePath, aside)) {
        load.movedTo = aside;
        return load;
    }
    // The file stays where it is; writing over it would lose what the user had.
    m_saveBlocked = true;
    return load;
}

std::optional<QString> DictionaryStore::save(const ReplacementDictionary &entries)
{
    if (m_saveBlocked)
        return tr("The dictionary is not saved, so that the unreadable file %1 is not "
                  "overwritten. Move it away and restart to save changes again.")
            .arg(QDir::toNativeSeparators(m_filePath));
    if (m_filePath.isEmpty())
        return tr("No folder for application data is known on this system.");

    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return tr("Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder));

    QSaveFile file(m_filePath);
    const QString failure = tr("Cannot save the dictionary to %1: %2");
    if (!file.open(QIODevice::WriteOnly))
        return failure.arg(QDir::toNativeSeparators(m_filePath), file.errorString());
    const QByteArray text = DictionaryFormat::toJson(entries);
    if (file.write(text) != text.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure.arg(QDir::toNativeSeparators(m_filePath), reason);
    }
    if (!file.commit())
        return failure.arg(QDir::toNativeSeparators(m_filePath), file.errorString());
    return std::nullopt;
}

QString DictionaryStore::asideFilePath() const
{
    // dictionary.json -> dictionary-unreadable-20250131-142501.json, numbered when taken.
    const QFileInfo info(m_filePath);
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s);
    const QString stem = u"%1-unreadable-%2"_s.arg(info.completeBaseName(), stamp);
    const QString suffix = info.suffix().isEmpty() ? QString() : u"."_s + info.suffix();
    const QDir folder = info.absoluteDir();
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? stem + suffix : u"%1-%2%3"_s.arg(stem).arg(n).arg(suffix);
        const QString candidate = folder.filePath(name);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}
