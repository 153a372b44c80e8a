// The radio history in an SQLite file: opening (with the schema brought up to date and the backup
// folder imported once), adding the rows of an operation in one transaction, listing and finding rows.
//
// A store is one connection and is used by one thread at a time. Threads that record at once (the
// ports of a fleet run) each open their own store on the same file: the file keeps a write-ahead
// journal, so readers never wait for a writer, and a writer waits (up to a few seconds) for another
// writer's transaction to end.
#pragma once

#include <string>
#include <vector>

#include "history/HistoryRecord.h"
#include "history/SqliteDb.h"

class HistoryStore {
public:
    // UserDataFolder()/history.sqlite; empty when there is no data folder.
    static std::string DefaultPath();

    // Opens the file (its folder created when needed), switches it to the write-ahead journal, brings
    // its tables up to date and, the first time, imports the backup folder's files (backupFolder:
    // empty for none). False, with Error() saying why, for a file that cannot be opened or created,
    // that is no database or is damaged, or that a newer program wrote.
    bool Open(const std::string& path, const std::string& backupFolder);
    bool IsOpen() const { return m_open; }
    const std::string& Path() const { return m_path; }
    const std::string& Error() const { return m_error; }

    // Adds rows in one transaction, all or none; their ids are set. False with Error() on failure.
    bool Add(std::vector<HistoryRecord>& rows);
    // The same, unless the meta key is set already; then nothing is added. The key is set with rows.
    bool AddOnce(const std::string& metaKey, std::vector<HistoryRecord>& rows);
    bool HasMeta(const std::string& metaKey);

    // Every row, newest first, with its data; empty (and Error() set) when the file cannot be read.
    std::vector<HistoryRecord> List();
    // The row with this id; false when there is none or it cannot be read.
    bool Find(long long id, HistoryRecord& row);

private:
    bool Fail(const std::string& what);
    bool Insert(HistoryRecord& row);
    bool InsertAll(std::vector<HistoryRecord>& rows, const std::string& metaKey);

    SqliteDb m_db;
    std::string m_path;
    std::string m_error;
    bool m_open = false;
};
