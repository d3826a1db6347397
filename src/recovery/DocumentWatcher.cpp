#include "recovery/DocumentWatcher.h"

#include "files/DocumentFile.h"
#include "recovery/RecoveryJournal.h"

#include <QFileInfo>

#include <utility>

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
    m_gone = !QFileInfo::exists(m_path);
    rewatch();
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
    const DocumentFile::Bytes now = DocumentFile::read(m_path);
    // A file half written or locked right now is looked at again at its next event.
    if (!now.error.isEmpty())
        return;
    m_gone = false;
    const QByteArray hash = RecoveryJournal::hashOf(now.bytes);
    if (hash == m_knownHash)
        return;
    m_knownHash = hash;
    emit changed();
}
