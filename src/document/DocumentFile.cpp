#include "document/DocumentFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>

#include <unistd.h>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DocumentFile", text);
}

} // namespace

DocumentFile::Bytes DocumentFile::read(const QString &path)
{
    // A device, pipe or socket has no end to read to (a link named "x.xliff" may point
    // at /dev/zero, and opening a pipe waits for a writer), so only plain files are read.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {{}, info.isDir() ? tr("it is a folder") : tr("it is not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    if (file.isSequential())
        return {{}, tr("it is not a regular file")};
    if (file.size() > maxSize)
        return {{}, tr("the file is larger than 256 MB")};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    // The file may have grown since its size was looked at.
    if (bytes.size() > maxSize)
        return {{}, tr("the file is larger than 256 MB")};
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

bool DocumentFile::write(const QString &path, QByteArrayView bytes, QString *error)
{
    QSaveFile file(path);
    return stage(file, bytes, error) && commit(file, error);
}

bool DocumentFile::stage(QSaveFile &file, QByteArrayView bytes, QString *error)
{
    // QSaveFile gives the new file the permissions of the one it replaces.
    if (QFileInfo(file.fileName()).isDir()) {
        *error = tr("a folder stands where the file should be");
        return false;
    }
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    // QSaveFile::commit() can report success after a failed final write (a full disk),
    // so every byte must be accepted and flushed before the rename. Syncing here leaves
    // the commit's own sync nothing to wait for.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (::fsync(file.handle()) != 0) {
        *error = qt_error_string(errno);
        file.cancelWriting();
        return false;
    }
    return true;
}

bool DocumentFile::commit(QSaveFile &file, QString *error)
{
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
