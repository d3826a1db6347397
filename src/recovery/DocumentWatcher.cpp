#include "recovery/DocumentWatcher.h"

#include "files/DocumentFile.h"
#include "recovery/RecoveryJournal.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

#include <sys/stat.h>

namespace {

constexpr int settleMilliseconds = 250;

} // namespace

DocumentWatcher::DocumentWatcher(QObject *parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &DocumentWatcher::check);
    const auto schedule = [this] { m_settle.start(); };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, schedule);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, schedule);
}

void DocumentWatcher::watch(const QString &path, const QByteArray &knownHash)
{
    stop();
    m_path = QFileInfo(path).absoluteFilePath();
    m_knownHash = knownHash;
    m_checked.reset();
    m_reads = 0;
    m_gone = !QFileInfo::exists(m_path);
    rewatch();
}

void DocumentWatcher::setKnownHash(const QByteArray &knownHash)
{
    m_knownHash = knownHash;
    m_checked.reset();
}

std::optional<DocumentWatcher::Stamp> DocumentWatcher::stampOf(const QString &path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    const auto nanoseconds = [](const timespec &time) {
        return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    return Stamp{quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
                 nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
}

void DocumentWatcher::stop()
{
    m_settle.stop();
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_path.clear();
}

void DocumentWatcher::rewatch()
{
    if (m_path.isEmpty())
        return;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    if (!m_watcher.files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
}

void DocumentWatcher::check()
{
    if (m_path.isEmpty())
        return;
    // A rename over the file drops its watch; the new file is watched again.
    rewatch();
    if (!QFileInfo::exists(m_path)) {
        if (!std::exchange(m_gone, true))
            emit removed();
        return;
    }
    // Another file of the folder changed, or the file was only looked at: nothing to read.
    const std::optional<Stamp> stamp = stampOf(m_path);
    if (stamp && stamp == m_checked) {
        m_gone = false;
        return;
    }
    ++m_reads;
    const DocumentFile::Bytes now = DocumentFile::read(m_path);
    // A file half written or locked right now is looked at again at its next event.
    if (!now.error.isEmpty())
        return;
    m_gone = false;
    m_checked = stamp;
    const QByteArray hash = RecoveryJournal::hashOf(now.bytes);
    if (hash == m_knownHash)
        return;
    m_knownHash = hash;
    emit changed();
}
