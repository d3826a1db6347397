#pragma once

#include <QString>

#include <sqlite3.h>

/// One prepared SQLite statement, finalised when it goes. Text is bound and read as UTF-16,
/// as Qt holds it.
class SqliteStatement
{
public:
    SqliteStatement(sqlite3 *db, const char *sql);
    ~SqliteStatement() { sqlite3_finalize(m_statement); }
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    bool ok() const { return m_statement != nullptr; }
    /// SQLite's result code of the last failed step, or of preparing.
    int code() const { return m_code; }

    SqliteStatement &bind(int index, const QString &text);
    SqliteStatement &bind(int index, qint64 number);

    /// Runs one step: true while a row is ready; false at the end or on an error (`failed`).
    bool next();
    /// Runs the statement to its end; false on an error.
    bool run();
    bool failed() const { return m_code != SQLITE_OK && m_code != SQLITE_DONE; }
    /// Makes the statement ready to run again, its bindings cleared.
    void reset();

    QString text(int column) const;
    qint64 number(int column) const { return sqlite3_column_int64(m_statement, column); }

private:
    sqlite3_stmt *m_statement = nullptr;
    int m_code = SQLITE_OK;
};
