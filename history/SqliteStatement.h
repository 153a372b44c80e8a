// A prepared SQLite statement: binding values by position, stepping through the rows, reading columns.
// A failure is kept on the connection (SqliteDb::Error) and later calls do nothing.
#pragma once

#include <string>

class SqliteDb;
struct sqlite3_stmt;

class SqliteStatement {
public:
    SqliteStatement(SqliteDb& db, const std::string& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool Prepared() const { return m_stmt != nullptr; }

    // Parameters count from 1, as in SQL's "?1".
    void Bind(int index, long long value);
    void Bind(int index, const std::string& text);
    void BindNull(int index);

    // Runs to the next row: true when it went well (HasRow tells whether a row came or the statement
    // is done); false on a failure, kept on the connection.
    bool Step();
    bool HasRow() const { return m_hasRow; }

    long long Int(int column) const;
    std::string Text(int column) const; // "" for NULL
    bool IsNull(int column) const;

private:
    SqliteDb& m_db;
    sqlite3_stmt* m_stmt = nullptr;
    bool m_hasRow = false;
    bool m_failed = false;
};
