#include "memory/MemoryStore.h"

#include "memory/LanguageTag.h"
#include "memory/SqliteStatement.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <sqlite3.h>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// A unit's entry is one per file, id and source: a new target replaces the old one. An entry
// without an id (a TMX unit) is one per source and target, since both translations stand.
const char *const schema = R"(
CREATE TABLE IF NOT EXISTS entries(
    id INTEGER PRIMARY KEY,
    source TEXT NOT NULL,
    target TEXT NOT NULL,
    source_language TEXT NOT NULL,
    target_language TEXT NOT NULL,
    source_primary TEXT NOT NULL,
    target_primary TEXT NOT NULL,
    original TEXT NOT NULL,
    unit_id TEXT NOT NULL,
    project TEXT NOT NULL,
    created INTEGER NOT NULL,
    variant TEXT NOT NULL,
    UNIQUE(source_language, target_language, project, original, unit_id, source, variant));
CREATE INDEX IF NOT EXISTS entries_pair ON entries(target_primary, source_primary);
)";

constexpr int busyMilliseconds = 30000;

const char *const entryColumns =
    "id, source, target, source_language, target_language, original, unit_id, project, created";

MemoryEntry entryFrom(const SqliteStatement &row)
{
    return {row.text(1), row.text(2), row.text(3),   row.text(4),  row.text(5),
            row.text(6), row.text(7), row.number(8), row.number(0)};
}

void bindAll(SqliteStatement &statement, const QStringList &values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        statement.bind(int(i + 1), values[i]);
}

bool isDamage(int code)
{
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

} // namespace

QString MemoryStore::defaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(u"Memory/memory.sqlite"_s);
}

MemoryStore::MemoryStore(QString path) : m_path(std::move(path)) {}

MemoryStore::~MemoryStore()
{
    close();
}

void MemoryStore::close()
{
    sqlite3_close(m_db);
    m_db = nullptr;
}

QString MemoryStore::lastError() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
}

bool MemoryStore::exec(const char *sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool MemoryStore::open()
{
    if (m_path.isEmpty()) {
        m_error = tr("there is no data folder for the memory");
        return false;
    }
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        m_error = tr("could not make the folder %1").arg(info.absolutePath());
        return false;
    }
    // Another process creating the database or switching it to WAL holds it for a moment,
    // sometimes without SQLite's own waiting: try again for as long as a writer would wait.
    QDeadlineTimer deadline(busyMilliseconds);
    for (;;) {
        if (openFile() && prepareSchema()) {
            m_error.clear();
            return true;
        }
        close();
        const int primary = m_failCode & 0xFF;
        if ((primary != SQLITE_BUSY && primary != SQLITE_LOCKED) || deadline.hasExpired())
            break;
        QThread::msleep(20);
    }
    if (!isDamage(m_failCode) || !moveAside(m_error))
        return false;
    if (openFile() && prepareSchema()) {
        m_error.clear();
        return true;
    }
    close();
    return false;
}

bool MemoryStore::openFile()
{
    const QByteArray file = QFile::encodeName(m_path);
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(file.constData(), &m_db, flags, nullptr) != SQLITE_OK)
        return failed();
    sqlite3_extended_result_codes(m_db, 1);
    // Another window or the tool may be writing: wait for it rather than fail.
    sqlite3_busy_timeout(m_db, busyMilliseconds);
    return true;
}

bool MemoryStore::failed()
{
    m_failCode = m_db ? sqlite3_extended_errcode(m_db) : SQLITE_CANTOPEN;
    m_error = lastError();
    return false;
}

bool MemoryStore::prepareSchema()
{
    // A damaged file shows here: reading the schema or the check fails.
    QString journal;
    {
        SqliteStatement mode(m_db, "PRAGMA journal_mode");
        if (!mode.next())
            return failed();
        journal = mode.text(0);
    }
    if (journal != u"wal" && !exec("PRAGMA journal_mode=WAL"))
        return failed();
    if (!exec("PRAGMA synchronous=NORMAL"))
        return failed();
    QString verdict;
    {
        SqliteStatement check(m_db, "PRAGMA quick_check(1)");
        if (!check.next())
            return failed();
        verdict = check.text(0);
    }
    if (verdict != u"ok") {
        m_failCode = SQLITE_CORRUPT;
        m_error = verdict;
        return false;
    }
    if (!exec(schema))
        return failed();
    return true;
}

bool MemoryStore::moveAside(const QString &reason)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd-HHmmss"_s);
    const QString aside = u"%1.damaged-%2"_s.arg(m_path, stamp);
    if (!QFile::rename(m_path, aside)) {
        m_error =
            tr("the memory %1 is damaged (%2) and could not be moved aside").arg(m_path, reason);
        return false;
    }
    // The log belongs to the damaged file; the shared-memory index is rebuilt from it.
    QFile::rename(m_path + u"-wal"_s, aside + u"-wal"_s);
    QFile::remove(m_path + u"-shm"_s);
    m_notice = tr("The memory %1 was damaged (%2); it was moved to %3 and a new one "
                  "started.")
                   .arg(m_path, reason, aside);
    return true;
}

std::optional<MemoryStore::AddCounts> MemoryStore::add(const std::vector<MemoryEntry> &entries)
{
    // Taking the write lock at once: a reader turned writer could fail where waiting works.
    if (!exec("BEGIN IMMEDIATE")) {
        m_error = lastError();
        return std::nullopt;
    }
    SqliteStatement insert(
        m_db, "INSERT INTO entries(source, target, source_language, target_language, "
              "source_primary, target_primary, original, unit_id, project, created, variant) "
              "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11) ON CONFLICT DO NOTHING");
    SqliteStatement update(
        m_db, "UPDATE entries SET target = ?2, created = max(created, ?10) WHERE source = ?1 "
              "AND source_language = ?3 AND target_language = ?4 AND original = ?7 AND "
              "unit_id = ?8 AND project = ?9 AND variant = ?11 AND target <> ?2");
    AddCounts counts;
    bool ok = insert.ok() && update.ok();
    for (const MemoryEntry &entry : entries) {
        if (!ok)
            break;
        const QString variant = entry.unitId.isEmpty() ? entry.target : QString();
        for (SqliteStatement *statement : {&insert, &update}) {
            statement->reset();
            statement->bind(1, entry.source).bind(2, entry.target);
            statement->bind(3, entry.sourceLanguage).bind(4, entry.targetLanguage);
            statement->bind(5, LanguageTag::language(entry.sourceLanguage));
            statement->bind(6, LanguageTag::language(entry.targetLanguage));
            statement->bind(7, entry.original).bind(8, entry.unitId).bind(9, entry.project);
            statement->bind(10, entry.created).bind(11, variant);
        }
        ok = insert.run();
        if (ok && sqlite3_changes(m_db) > 0) {
            ++counts.added;
            continue;
        }
        ok = ok && update.run();
        (ok && sqlite3_changes(m_db) > 0 ? counts.updated : counts.unchanged)++;
    }
    if (!ok || !exec("COMMIT")) {
        m_error = lastError();
        exec("ROLLBACK");
        return std::nullopt;
    }
    return counts;
}

bool MemoryStore::forEach(const MemoryFilter &filter,
                          const std::function<void(MemoryEntry &&)> &visit)
{
    const MemoryFilter::Where where = filter.where();
    const QByteArray sql = "SELECT " + QByteArray(entryColumns) + " FROM entries" + where.sql +
                           " ORDER BY created, id";
    SqliteStatement select(m_db, sql.constData());
    bindAll(select, where.values);
    while (select.next())
        visit(entryFrom(select));
    if (!select.ok() || select.failed()) {
        m_error = lastError();
        return false;
    }
    return true;
}

std::optional<qsizetype> MemoryStore::remove(const MemoryFilter &filter)
{
    const MemoryFilter::Where where = filter.where();
    const QByteArray sql = "DELETE FROM entries" + where.sql;
    SqliteStatement statement(m_db, sql.constData());
    bindAll(statement, where.values);
    if (!statement.ok() || !statement.run()) {
        m_error = lastError();
        return std::nullopt;
    }
    return sqlite3_changes(m_db);
}

std::optional<std::vector<MemoryStore::PairCount>> MemoryStore::stats()
{
    SqliteStatement select(m_db, "SELECT source_language, target_language, count(*) FROM "
                                 "entries GROUP BY 1, 2 ORDER BY 1, 2");
    std::vector<PairCount> counts;
    while (select.next())
        counts.push_back({select.text(0), select.text(1), select.number(2)});
    if (!select.ok() || select.failed()) {
        m_error = lastError();
        return std::nullopt;
    }
    return counts;
}

bool MemoryStore::forEachSource(const QString &sourceLanguage, const QString &targetLanguage,
                                const std::function<bool(MemoryEntry &&)> &visit)
{
    QByteArray sql = "SELECT id, source, '', source_language, target_language, original, "
                     "unit_id, project, created FROM entries WHERE target_primary = ?1";
    if (!sourceLanguage.isEmpty())
        sql += " AND source_primary = ?2";
    SqliteStatement select(m_db, sql.constData());
    select.bind(1, LanguageTag::language(targetLanguage));
    if (!sourceLanguage.isEmpty())
        select.bind(2, LanguageTag::language(sourceLanguage));
    while (select.next()) {
        if (!visit(entryFrom(select)))
            break;
    }
    if (!select.ok() || select.failed()) {
        m_error = lastError();
        return false;
    }
    return true;
}

std::optional<MemoryEntry> MemoryStore::entry(qint64 rowId)
{
    m_error.clear();
    const QByteArray sql = "SELECT " + QByteArray(entryColumns) + " FROM entries WHERE id = ?";
    SqliteStatement select(m_db, sql.constData());
    select.bind(1, rowId);
    if (select.next())
        return entryFrom(select);
    if (select.failed())
        m_error = lastError();
    return std::nullopt;
}

qint64 MemoryStore::dataVersion()
{
    SqliteStatement version(m_db, "PRAGMA data_version");
    return version.next() ? version.number(0) : -1;
}

std::optional<std::vector<MemoryEntry>> MemoryStore::search(const QString &text, int limit)
{
    // instr() rather than LIKE, which SQLite 3.40 gets wrong for some non-ASCII patterns;
    // lower() folds ASCII only, the same way on both sides, so nothing else is lost.
    const QByteArray sql = "SELECT " + QByteArray(entryColumns) +
                           " FROM entries WHERE instr(lower(source), lower(?1)) > 0 OR "
                           "instr(lower(target), lower(?1)) > 0 ORDER BY created DESC, id DESC "
                           "LIMIT ?2";
    SqliteStatement select(m_db, sql.constData());
    select.bind(1, text).bind(2, qint64(limit));
    std::vector<MemoryEntry> found;
    while (select.next())
        found.push_back(entryFrom(select));
    if (!select.ok() || select.failed()) {
        m_error = lastError();
        return std::nullopt;
    }
    return found;
}

std::optional<qsizetype> MemoryStore::removeEntries(const std::vector<qint64> &rowIds)
{
    if (!exec("BEGIN IMMEDIATE")) {
        m_error = lastError();
        return std::nullopt;
    }
    SqliteStatement remove(m_db, "DELETE FROM entries WHERE id = ?1");
    qsizetype removed = 0;
    bool ok = remove.ok();
    for (const qint64 id : rowIds) {
        if (!ok)
            break;
        remove.reset();
        remove.bind(1, id);
        ok = remove.run();
        removed += ok ? sqlite3_changes(m_db) : 0;
    }
    if (!ok || !exec("COMMIT")) {
        m_error = lastError();
        exec("ROLLBACK");
        return std::nullopt;
    }
    return removed;
}
