#include "recovery/ExportBackup.h"

#include "files/DocumentFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Room for the time, a number and the suffix in a file name of at most 255 bytes.
constexpr qsizetype maxStemBytes = 200;

/// The file's name without its suffix, cut so that a copy's name stays a valid file name.
QString stemOf(const QFileInfo &info)
{
    QString base = info.completeBaseName();
    while (base.toUtf8().size() > maxStemBytes) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate())
            base.chop(1);
    }
    return base;
}

/// Marks the copy of a file as it was before Tarnwick first wrote it.
const QString originalMark = u"-original-"_s;

} // namespace

ExportBackup::ExportBackup(QString folder, int keep, qint64 keepBytes)
    : m_folder(std::move(folder)), m_keep(keep), m_keepBytes(keepBytes)
{
}

QString ExportBackup::folderFor(const QString &path) const
{
    // Exports of many projects share a name (ja.xliff): the path tells them apart.
    const QFileInfo info(path);
    const QByteArray hash =
        QCryptographicHash::hash(info.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(m_folder).filePath(stemOf(info) + u'-' + QString::fromLatin1(hash));
}

std::optional<QString> ExportBackup::beforeSave(const QString &path)
{
    m_lastCopy.clear();
    const QString key = QFileInfo(path).absoluteFilePath();
    if (m_done.contains(key))
        return std::nullopt;
    // Tried once: a copy that can't be made is reported once, not at every save.
    m_done.insert(key);
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    if (std::optional<QString> failed = copy(path))
        return tr("No backup of %1 was made before saving over it: %2")
            .arg(QDir::toNativeSeparators(path), *failed);
    return std::nullopt;
}

void ExportBackup::forget(const QString &path)
{
    m_done.remove(QFileInfo(path).absoluteFilePath());
}

std::optional<QString> ExportBackup::copy(const QString &path)
{
    if (m_folder.isEmpty())
        return tr("no folder for application data is known on this system");
    const QString folder = folderFor(path);
    if (!QDir().mkpath(folder))
        return tr("cannot create the folder %1").arg(QDir::toNativeSeparators(folder));
    const DocumentFile::Bytes original = DocumentFile::read(path);
    if (!original.error.isEmpty())
        return original.error;
    const bool first =
        QDir(folder).entryList({u"*"_s + originalMark + u"*"_s}, QDir::Files).isEmpty();
    const QString target = freeName(folder, path, first);
    QString error;
    if (target.isEmpty() || !DocumentFile::write(target, original.bytes, &error))
        return error.isEmpty() ? tr("a copy of this name is already there") : error;
    m_lastCopy = target;
    prune(folder);
    return std::nullopt;
}

QString ExportBackup::freeName(const QString &folderPath, const QString &path, bool first) const
{
    // Sample-ja.xliff -> Sample-ja-20261207-013000.xliff (the first copy
    // Sample-ja-original-20261207-013000.xliff); copies within the same second are numbered
    // upwards (-2, -3, …), never into the gap a pruned copy left, so that a higher number is
    // always a newer copy.
    const QFileInfo info(path);
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s);
    const QString stem = stemOf(info) + (first ? originalMark : u"-"_s) + stamp;
    const QString suffix = info.suffix().isEmpty() ? QString() : u"."_s + info.suffix().left(16);
    const QDir folder(folderPath);
    int next = 1;
    for (const QString &name : folder.entryList({stem + u'*' + suffix}, QDir::Files)) {
        const QStringView number = QStringView(name).sliced(stem.size()).chopped(suffix.size());
        if (number.isEmpty()) {
            next = std::max(next, 2);
            continue;
        }
        bool ok = false;
        const int n = number.sliced(1).toInt(&ok);
        if (number.startsWith(u'-') && ok)
            next = std::max(next, n + 1);
    }
    const QString name = next == 1 ? stem + suffix : u"%1-%2%3"_s.arg(stem).arg(next).arg(suffix);
    return folder.exists(name) ? QString() : folder.filePath(name);
}

void ExportBackup::prune(const QString &folder) const
{
    QFileInfoList copies = QDir(folder).entryInfoList(QDir::Files, QDir::NoSort);
    // The copy of the file as Xcode wrote it is never pruned.
    copies.removeIf([](const QFileInfo &copy) { return copy.fileName().contains(originalMark); });
    // Newest first. Copies made within the same tick are told apart by their number, which
    // only ever lengthens the name ("x.xliff", "x-2.xliff", …, "x-10.xliff").
    const auto newer = [](const QFileInfo &a, const QFileInfo &b) {
        const QDateTime left = a.lastModified();
        const QDateTime right = b.lastModified();
        if (left != right)
            return left > right;
        const QString leftName = a.fileName();
        const QString rightName = b.fileName();
        if (leftName.size() != rightName.size())
            return leftName.size() > rightName.size();
        return leftName > rightName;
    };
    std::sort(copies.begin(), copies.end(), newer);
    qint64 bytes = 0;
    for (qsizetype i = 0; i < copies.size(); ++i) {
        bytes += copies.at(i).size();
        const bool kept = i == 0 || (i < m_keep && bytes <= m_keepBytes);
        if (!kept)
            QFile::remove(copies.at(i).absoluteFilePath());
    }
}
