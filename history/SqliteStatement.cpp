// Prepared statements over the SQLite library.
#include "history/SqliteStatement.h"

#include <sqlite3.h>

#include "history/SqliteDb.h"

SqliteStatement::SqliteStatement(SqliteDb& db, const std::string& sql) : m_db(db)
{
    if (db.Handle() == nullptr ||
        sqlite3_prepare_v2(db.Handle(), sql.c_str(), static_cast<int>(sql.size()), &m_stmt, nullptr) !=
            SQLITE_OK) {
        m_db.TakeError();
        m_failed = true;
    }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_stmt); }

void SqliteStatement::Bind(int index, long long value)
{
    if (!m_failed)
        sqlite3_bind_int64(m_stmt, index, value);
}

void SqliteStatement::Bind(int index, const std::string& text)
{
    if (!m_failed)
        sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::BindNull(int index)
{
    if (!m_failed)
        sqlite3_bind_null(m_stmt, index);
}

bool SqliteStatement::Step()
{
    m_hasRow = false;
    if (m_failed)
        return false;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        m_hasRow = true;
        return true;
    }
    if (rc == SQLITE_DONE)
        return true;
    m_db.TakeError();
    m_failed = true;
    return false;
}

long long SqliteStatement::Int(int column) const
{
    return m_hasRow ? sqlite3_column_int64(m_stmt, column) : 0;
}

std::string SqliteStatement::Text(int column) const
{
    if (!m_hasRow)
        return {};
    const unsigned char* text = sqlite3_column_text(m_stmt, column);
    if (text == nullptr)
        return {};
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)));
}

bool SqliteStatement::IsNull(int column) const
{
    return !m_hasRow || sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}
