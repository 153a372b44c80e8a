// One connection to an SQLite database file: opening, plain statements, and the errors as text. The
// history's only contact with the SQLite library besides SqliteStatement.
#pragma once

#include <string>

struct sqlite3;

class SqliteDb {
public:
    SqliteDb() = default;
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    // Opens (and creates) the file; false with Error() set when it cannot be opened. A connection is
    // used by one thread at a time; every thread that writes opens its own.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return m_db != nullptr; }

    // Runs one or more statements without results; false with Error() set on the first failure.
    bool Exec(const std::string& sql);
    // The first column of the first row of a query as an integer (PRAGMA user_version); false when
    // the query fails.
    bool QueryInt(const std::string& sql, long long& value);

    // A write transaction that takes the database's write lock at once (so that two connections never
    // both wait to upgrade a read lock), or rolls back.
    bool BeginWrite() { return Exec("BEGIN IMMEDIATE"); }
    bool Commit() { return Exec("COMMIT"); }
    void Rollback();

    // The library's message for the last failure, and its result code.
    const std::string& Error() const { return m_error; }
    int ErrorCode() const { return m_code; }
    // Takes the connection's current error (after a failed statement step).
    void TakeError();

    sqlite3* Handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
    std::string m_error;
    int m_code = 0;
};
