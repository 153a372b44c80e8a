// The SQLite connection: opening with a busy timeout, plain statements, errors kept as text.
#include "history/SqliteDb.h"

#include <sqlite3.h>

#include "history/SqliteStatement.h"

namespace {
// Another connection (a worker thread of a fleet run, a second program) holding the write lock is
// waited for this long before a write gives up.
constexpr int kBusyTimeoutMs = 10000;
} // namespace

SqliteDb::~SqliteDb() { Close(); }

bool SqliteDb::Open(const std::string& path)
{
    Close();
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        m_code = rc;
        m_error = m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        Close();
        return false;
    }
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 0);
    return true;
}

void SqliteDb::Close()
{
    if (m_db != nullptr)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

void SqliteDb::TakeError()
{
    m_code = m_db != nullptr ? sqlite3_errcode(m_db) : SQLITE_MISUSE;
    m_error = m_db != nullptr ? sqlite3_errmsg(m_db) : "no database";
}

bool SqliteDb::Exec(const std::string& sql)
{
    if (m_db == nullptr) {
        TakeError();
        return false;
    }
    char* message = nullptr;
    const int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        return true;
    m_code = rc;
    m_error = message != nullptr ? message : sqlite3_errstr(rc);
    sqlite3_free(message);
    return false;
}

bool SqliteDb::QueryInt(const std::string& sql, long long& value)
{
    SqliteStatement query(*this, sql);
    if (!query.Step() || !query.HasRow())
        return false;
    value = query.Int(0);
    return true;
}

void SqliteDb::Rollback()
{
    // Keeps the error of the statement that failed, not the rollback's.
    const std::string error = m_error;
    const int code = m_code;
    Exec("ROLLBACK");
    m_error = error;
    m_code = code;
}
