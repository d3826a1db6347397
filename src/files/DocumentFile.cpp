#include "files/DocumentFile.h"

#include "files/HugePages.h"
#include "files/StagedFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

/// Gives the new file the owner, group and every mode bit of the one it replaces.
/// A new file starts as 0666 less the umask, owned by whoever saves.
bool keepModeAndOwner(int fd, const struct stat &old, QString *error)
{
    // Only root may give a file away, and a user may only pick a group they belong to;
    // where neither is allowed the new file stays the user's, as any editor's save leaves it.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        static_cast<void>(::fchown(fd, uid_t(-1), old.st_gid));
    // After the owner: changing it clears the set-id bits.
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        *error = systemError(errno);
        return false;
    }
    return true;
}

/// Writes to a pipe or a character device (a terminal, /dev/null, /dev/stdout) as a shell's
/// redirection does: straight into it, since there is no file to replace. A pipe no program
/// reads from is refused rather than waited on.
bool writeThrough(const QByteArray &path, QByteArrayView bytes, QString *error)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = errno == ENXIO ? QCoreApplication::translate("DocumentFile",
                                                              "no program is reading from the pipe")
                                : systemError(errno);
        return false;
    }
    const auto closing = qScopeGuard([fd] { ::close(fd); });
    struct stat opened = {};
    if (::fstat(fd, &opened) != 0 || !(S_ISFIFO(opened.st_mode) || S_ISCHR(opened.st_mode))) {
        *error = QCoreApplication::translate("DocumentFile", "it is not a regular file");
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return StagedFile::writeAll(fd, bytes, error);
}

/// Why a file that stands at the path may not be replaced, or nothing when it may.
using FileStatus = struct stat;

std::optional<QString> refusal(const QString &path, const QByteArray &native,
                               const FileStatus &existing)
{
    if (S_ISDIR(existing.st_mode))
        return QCoreApplication::translate("DocumentFile",
                                           "a folder stands where the file should be");
    if (!S_ISREG(existing.st_mode))
        return QCoreApplication::translate("DocumentFile", "it is not a regular file");
    // Root may write any file, but a file without a write bit is one its owner made
    // read-only: it is refused as it is for everyone else, never silently made writable.
    const bool refused = (existing.st_mode & 0222) == 0 ||
                         (::access(native.constData(), W_OK) != 0 && errno == EACCES);
    if (refused)
        return QCoreApplication::translate("QSaveFile", "Existing file %1 is not writable")
            .arg(path);
    // Any other cause (a read-only file system) is named as the system names it.
    if (::access(native.constData(), W_OK) != 0)
        return systemError(errno);
    return std::nullopt;
}

} // namespace

DocumentFile::Bytes DocumentFile::read(const QString &path)
{
    // A device, pipe or socket has no end to read to (a link named "x.xliff" may point
    // at /dev/zero, and opening a pipe waits for a writer), so only plain files are read.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {{},
                info.isDir()
                    ? QCoreApplication::translate("DocumentFile", "it is a folder")
                    : QCoreApplication::translate("DocumentFile", "it is not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    if (file.isSequential())
        return {{}, QCoreApplication::translate("DocumentFile", "it is not a regular file")};
    if (file.size() > maxSize)
        return {{}, QCoreApplication::translate("DocumentFile", "the file is larger than 256 MB")};
    // Read into a buffer of the size the file has, then whatever it has grown by since.
    const qint64 expected = file.size();
    QByteArray bytes(expected, Qt::Uninitialized);
    HugePages::advise(bytes.data(), bytes.size());
    const qint64 read = file.read(bytes.data(), expected);
    if (read >= 0) {
        bytes.truncate(read);
        if (read == expected)
            bytes += file.readAll();
    }
    if (read < 0 || file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    // The file may have grown since its size was looked at.
    if (bytes.size() > maxSize)
        return {{}, QCoreApplication::translate("DocumentFile", "the file is larger than 256 MB")};
    return {std::move(bytes), {}};
}

std::optional<QString> DocumentFile::decodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                       QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QByteArray DocumentFile::encodeUtf8(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

bool DocumentFile::isStream(const QString &path)
{
    struct stat existing = {};
    // stat() follows a symbolic link: what counts is what the link points at.
    if (::stat(QFile::encodeName(path).constData(), &existing) != 0)
        return false;
    return S_ISFIFO(existing.st_mode) || S_ISCHR(existing.st_mode);
}

bool DocumentFile::write(const QString &path, QByteArrayView bytes, QString *error)
{
    if (isStream(path))
        return writeThrough(QFile::encodeName(path), bytes, error);
    StagedFile file(path);
    return stage(file, bytes, error) && commit(file, error);
}

bool DocumentFile::stage(StagedFile &file, QByteArrayView bytes, QString *error)
{
    const QString path = file.fileName();
    const QByteArray native = QFile::encodeName(path);
    struct stat existing = {};
    const bool exists = ::stat(native.constData(), &existing) == 0;
    if (exists) {
        if (std::optional<QString> reason = refusal(path, native, existing)) {
            *error = *reason;
            return false;
        }
    }
    // Every byte must be accepted and on disk before the rename: a full disk shows here.
    if (!file.open(error) || !file.write(bytes, error)) {
        file.cancel();
        return false;
    }
    if (exists && !keepModeAndOwner(file.handle(), existing, error)) {
        file.cancel();
        return false;
    }
    if (::fsync(file.handle()) != 0) {
        *error = systemError(errno);
        file.cancel();
        return false;
    }
    return true;
}

bool DocumentFile::commit(StagedFile &file, QString *error)
{
    return file.commit(error);
}
