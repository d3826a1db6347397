#include "files/StagedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

/// Bytes of the file's name kept in the temporary name: enough to tell whose it is.
constexpr qsizetype keptNameBytes = 40;

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

/// The start of a name, cut between characters, never inside one.
QByteArray shortened(const QString &name)
{
    QString kept = name;
    while (kept.toUtf8().size() > keptNameBytes) {
        kept.chop(1);
        if (!kept.isEmpty() && kept.back().isHighSurrogate())
            kept.chop(1);
    }
    return QFile::encodeName(kept);
}

QString resolved(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

} // namespace

StagedFile::StagedFile(const QString &path) : m_target(resolved(path)) {}

StagedFile::~StagedFile()
{
    cancel();
}

bool StagedFile::open(QString *error)
{
    cancel();
    const QFileInfo target(m_target);
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    const QByteArray stem = shortened(target.fileName());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = folder + "/." + stem + '.' +
                                QByteArray::number(QRandomGenerator::global()->generate(), 36) +
                                ".tmp";
        const int handle =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (handle >= 0) {
            m_handle = handle;
            m_staged = name;
            return true;
        }
        if (errno != EEXIST) {
            *error = systemError(errno);
            return false;
        }
    }
    *error = systemError(EEXIST);
    return false;
}

bool StagedFile::write(QByteArrayView bytes, QString *error)
{
    return writeAll(m_handle, bytes, error);
}

bool StagedFile::writeAll(int fd, QByteArrayView bytes, QString *error)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            *error = systemError(written < 0 ? errno : ENOSPC);
            return false;
        }
        done += written;
    }
    return true;
}

bool StagedFile::commit(QString *error)
{
    if (m_handle < 0) {
        *error = systemError(EBADF);
        return false;
    }
    // Written out before the rename, so the name never points at bytes still in the cache.
    if (::fsync(m_handle) != 0 || ::close(std::exchange(m_handle, -1)) != 0) {
        *error = systemError(errno);
        cancel();
        return false;
    }
    if (::rename(m_staged.constData(), QFile::encodeName(m_target).constData()) != 0) {
        *error = systemError(errno);
        cancel();
        return false;
    }
    m_staged.clear();
    const QByteArray folder = QFile::encodeName(QFileInfo(m_target).absolutePath());
    if (const int handle = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
    return true;
}

void StagedFile::cancel()
{
    if (m_handle >= 0)
        ::close(std::exchange(m_handle, -1));
    if (!m_staged.isEmpty())
        ::unlink(std::exchange(m_staged, QByteArray()).constData());
}
