#include "recovery/ExportBackup.h"

#include "files/DocumentFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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

} // namespace

ExportBackup::ExportBackup(QString folder, int keep) : m_folder(std::move(folder)), m_keep(keep) {}

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
    if (!QDir().mkpath(m_folder))
        return tr("cannot create the folder %1").arg(QDir::toNativeSeparators(m_folder));
    const DocumentFile::Bytes original = DocumentFile::read(path);
    if (!original.error.isEmpty())
        return original.error;
    const QString target = freeName(path);
    QString error;
    if (target.isEmpty() || !DocumentFile::write(target, original.bytes, &error))
        return error.isEmpty() ? tr("a copy of this name is already there") : error;
    m_lastCopy = target;
    prune();
    return std::nullopt;
}

QString ExportBackup::freeName(const QString &path) const
{
    // Sample-ja.xliff -> Sample-ja-20261207-013000.xliff; copies within the same second are
    // numbered upwards (-2, -3, …), never into the gap a pruned copy left, so that a higher
    // number is always a newer copy.
    const QFileInfo info(path);
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s);
    const QString stem = u"%1-%2"_s.arg(stemOf(info), stamp);
    const QString suffix = info.suffix().isEmpty() ? QString() : u"."_s + info.suffix().left(16);
    const QDir folder(m_folder);
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

void ExportBackup::prune() const
{
    QFileInfoList copies = QDir(m_folder).entryInfoList(QDir::Files, QDir::NoSort);
    if (copies.size() <= m_keep)
        return;
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
    for (qsizetype i = m_keep; i < copies.size(); ++i)
        QFile::remove(copies.at(i).absoluteFilePath());
}
