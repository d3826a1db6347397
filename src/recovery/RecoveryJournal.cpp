#include "recovery/RecoveryJournal.h"

#include "files/JsonText.h"
#include "files/StrictJson.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <utility>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QString headerKey = u"journal"_s;
const QString suffix = u".journal"_s;

/// Waits until what was written to the descriptor is on the disk, not only in the cache.
bool syncToDisk(int handle)
{
#if defined(Q_OS_LINUX)
    return ::fdatasync(handle) == 0;
#elif defined(Q_OS_UNIX)
    return ::fsync(handle) == 0;
#else
    Q_UNUSED(handle);
    return true;
#endif
}

/// A new file's name is only safe once its folder is synced too.
void syncFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
#else
    Q_UNUSED(folder);
#endif
}

void put(QJsonObject &object, const QString &key, const std::optional<QString> &value)
{
    if (value)
        object.insert(key, *value);
}

/// A string member: absent stays absent; any other type makes the line damaged.
bool take(const QJsonObject &object, const QString &key, std::optional<QString> &value)
{
    const auto found = object.constFind(key);
    if (found == object.constEnd())
        return true;
    if (!found->isString())
        return false;
    value = found->toString();
    return true;
}

std::optional<JournalEntry> entryOf(const QJsonObject &object)
{
    const QJsonValue port = object.value(u"port"_s);
    const double number = port.toDouble(-1);
    if (!port.isDouble() || number < 0 || number != static_cast<double>(port.toInteger()))
        return std::nullopt;
    JournalEntry entry;
    entry.port = static_cast<quint64>(port.toInteger());
    entry.time = object.value(u"time"_s).toInteger();
    if (!take(object, u"file"_s, entry.from) || !take(object, u"id"_s, entry.name) ||
        !take(object, u"source"_s, entry.srcs) || !take(object, u"target"_s, entry.tget) ||
        !take(object, u"state"_s, entry.state))
        return std::nullopt;
    return entry;
}

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

/// The bytes of a regular file of at most `RecoveryJournal::maxSize`. The file is opened
/// without waiting (a pipe has no writer to wait for) and looked at once open, so what is
/// read is what was looked at, whatever stands at the path later.
QByteArray readBounded(const QString &path, QString *error)
{
#ifdef Q_OS_UNIX
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0) {
        *error = systemError(errno);
        return {};
    }
    QFile file;
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        *error = file.errorString();
        return {};
    }
    struct stat status = {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        *error = RecoveryJournal::tr("it is not a regular file");
        return {};
    }
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential()) {
        *error =
            file.isOpen() ? RecoveryJournal::tr("it is not a regular file") : file.errorString();
        return {};
    }
#endif
    const QString tooLarge = RecoveryJournal::tr("it is larger than %1 MB")
                                 .arg(RecoveryJournal::maxSize / (1024 * 1024));
    if (file.size() > RecoveryJournal::maxSize) {
        *error = tooLarge;
        return {};
    }
    // One byte more than allowed tells a file that grew since it was looked at.
    QByteArray bytes = file.read(RecoveryJournal::maxSize + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return {};
    }
    if (bytes.size() > RecoveryJournal::maxSize) {
        *error = tooLarge;
        return {};
    }
    return bytes;
}

QByteArray line(const QJsonObject &object)
{
    return JsonText::escapeByteOrderMarks(QJsonDocument(object).toJson(QJsonDocument::Compact)) +
           '\n';
}

} // namespace

RecoveryJournal::RecoveryJournal(QString folder) : m_folder(std::move(folder)) {}

RecoveryJournal::~RecoveryJournal() = default;

QByteArray RecoveryJournal::hashOf(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256).toHex();
}

QString RecoveryJournal::pathFor(const QString &documentPath) const
{
    const QByteArray key = QFileInfo(documentPath).absoluteFilePath().toUtf8();
    const QByteArray name = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
    return QDir(m_folder).filePath(QString::fromLatin1(name.left(16)) + suffix);
}

QString RecoveryJournal::asidePrefix(const QString &documentPath, Aside why) const
{
    return QFileInfo(pathFor(documentPath)).completeBaseName() +
           (why == Aside::Declined ? u"-declined-"_s : u"-unreadable-"_s);
}

void RecoveryJournal::begin(const QString &documentPath, const QByteArray &documentHash)
{
    m_file.reset();
    m_documentPath = documentPath;
    m_documentHash = documentHash;
}

std::optional<QString> RecoveryJournal::open()
{
    if (m_folder.isEmpty())
        return tr("No folder for application data is known on this system.");
    if (!QDir().mkpath(m_folder))
        return tr("Cannot create the folder %1.").arg(QDir::toNativeSeparators(m_folder));
    auto file = std::make_unique<QFile>(pathFor(m_documentPath));
    const bool existed = file->exists();
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append))
        return file->errorString();
    // A journal left from an earlier run (restored, so still needed until the next save) is
    // continued: a later header replaces the document's hash for the entries after it.
    QJsonObject header;
    header.insert(headerKey, 1);
    header.insert(u"document"_s, QFileInfo(m_documentPath).absoluteFilePath());
    header.insert(u"blake2b"_s, QString::fromLatin1(m_documentHash));
    header.insert(u"opened"_s, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    const QByteArray text = line(header);
    if (file->write(text) != text.size() || !file->flush() || !syncToDisk(file->handle()))
        return file->errorString();
    if (!existed)
        syncFolder(m_folder);
    m_file = std::move(file);
    return std::nullopt;
}

std::optional<QString> RecoveryJournal::append(std::span<const JournalEntry> entries)
{
    if (entries.empty() || m_documentPath.isEmpty())
        return std::nullopt;
    if (!m_file) {
        if (std::optional<QString> failed = open())
            return tr("Cannot write the recovery journal %1: %2")
                .arg(QDir::toNativeSeparators(pathFor(m_documentPath)), *failed);
    }
    QByteArray text;
    for (const JournalEntry &entry : entries)
        text += encode(entry);
    if (m_file->write(text) == text.size() && m_file->flush() && syncToDisk(m_file->handle()))
        return std::nullopt;
    const QString reason = m_file->errorString();
    // The next append starts again with a fresh header, so a line cut here stays alone.
    m_file.reset();
    return tr("Cannot write the recovery journal %1: %2")
        .arg(QDir::toNativeSeparators(pathFor(m_documentPath)), reason);
}

QByteArray RecoveryJournal::encode(const JournalEntry &entry)
{
    QJsonObject object;
    object.insert(u"port"_s, static_cast<qint64>(entry.port));
    put(object, u"file"_s, entry.from);
    put(object, u"id"_s, entry.name);
    put(object, u"source"_s, entry.srcs);
    put(object, u"target"_s, entry.tget);
    put(object, u"state"_s, entry.state);
    object.insert(u"time"_s, entry.time);
    return line(object);
}

std::optional<QString> RecoveryJournal::remove()
{
    m_file.reset();
    if (m_documentPath.isEmpty())
        return std::nullopt;
    QFile file(pathFor(m_documentPath));
    if (!file.exists() || file.remove())
        return std::nullopt;
    return tr("Cannot remove the recovery journal %1: %2")
        .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
}

std::optional<QString> RecoveryJournal::setAside(const QString &documentPath, Aside why,
                                                 QString *asidePath)
{
    if (documentPath == m_documentPath)
        m_file.reset();
    const QString from = pathFor(documentPath);
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s);
    const QDir folder(m_folder);
    for (int n = 1; n < 1000; ++n) {
        const QString name = asidePrefix(documentPath, why) + stamp +
                             (n == 1 ? QString() : u"-%1"_s.arg(n)) + suffix;
        if (QFileInfo(folder.filePath(name)).exists() ||
            QFileInfo(folder.filePath(name)).isSymLink())
            continue;
        // A rename moves whatever stands there (a link, a pipe) without opening it.
        QFile file(from);
        if (file.rename(folder.filePath(name))) {
            if (asidePath)
                *asidePath = folder.filePath(name);
            return std::nullopt;
        }
        return tr("Cannot move the recovery journal %1 aside: %2")
            .arg(QDir::toNativeSeparators(from), file.errorString());
    }
    return tr("Cannot move the recovery journal %1 aside.").arg(QDir::toNativeSeparators(from));
}

std::optional<QString> RecoveryJournal::moveTo(const QString &journalPath,
                                               const QString &documentPath)
{
    const QString to = pathFor(documentPath);
    if (QFileInfo(to).exists() || QFileInfo(to).isSymLink())
        return tr("“%1” has unsaved edits of its own in the recovery journal %2.")
            .arg(QFileInfo(documentPath).fileName(), QDir::toNativeSeparators(to));
    QFile file(journalPath);
    if (file.rename(to))
        return std::nullopt;
    return tr("Cannot move the recovery journal %1: %2")
        .arg(QDir::toNativeSeparators(journalPath), file.errorString());
}

void RecoveryJournal::removeAside(const QString &documentPath)
{
    QDir folder(m_folder);
    const QStringList names =
        folder.entryList({asidePrefix(documentPath, Aside::Declined) + u'*' + suffix}, QDir::Files);
    for (const QString &name : names)
        folder.remove(name);
}

JournalContents RecoveryJournal::read(const QString &journalPath)
{
    QString error;
    const QByteArray text = readBounded(journalPath, &error);
    if (!error.isEmpty()) {
        JournalContents contents;
        contents.error = error;
        return contents;
    }
    return parse(text);
}

JournalContents RecoveryJournal::parse(QByteArrayView text)
{
    JournalContents contents;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf('\n', start);
        // A line without its newline was cut short by a crash mid-append.
        if (end < 0) {
            ++contents.damagedLines;
            break;
        }
        const QByteArrayView lineText = text.sliced(start, end - start);
        start = end + 1;
        // Qt's parser takes more than JSON; a line that is not JSON was not written here.
        if (StrictJson::fault(lineText)) {
            ++contents.damagedLines;
            continue;
        }
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(lineText.toByteArray(), &error);
        if (error.error != QJsonParseError::NoError || !json.isObject()) {
            ++contents.damagedLines;
            continue;
        }
        const QJsonObject object = json.object();
        if (object.contains(headerKey)) {
            contents.documentPath = object.value(u"document"_s).toString();
            contents.documentHash = object.value(u"blake2b"_s).toString().toLatin1();
            continue;
        }
        std::optional<JournalEntry> entry = entryOf(object);
        if (!entry) {
            ++contents.damagedLines;
            continue;
        }
        contents.entries.push_back(std::move(*entry));
    }
    return contents;
}
