#include "memory/SqliteStatement.h"

SqliteStatement::SqliteStatement(sqlite3 *db, const char *sql)
{
    m_code = sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr);
    if (m_code != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

SqliteStatement &SqliteStatement::bind(int index, const QString &text)
{
    sqlite3_bind_text16(m_statement, index, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement &SqliteStatement::bind(int index, qint64 number)
{
    sqlite3_bind_int64(m_statement, index, number);
    return *this;
}

bool SqliteStatement::next()
{
    if (!m_statement)
        return false;
    m_code = sqlite3_step(m_statement);
    return m_code == SQLITE_ROW;
}

bool SqliteStatement::run()
{
    while (next()) {
    }
    return !failed();
}

void SqliteStatement::reset()
{
    if (!m_statement)
        return;
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    m_code = SQLITE_OK;
}

QString SqliteStatement::text(int column) const
{
    const auto *data = static_cast<const char16_t *>(sqlite3_column_text16(m_statement, column));
    const int bytes = sqlite3_column_bytes16(m_statement, column);
    return data ? QString::fromUtf16(data, bytes / 2) : QString();
}
