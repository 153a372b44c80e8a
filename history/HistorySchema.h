// The history database's tables and their versions: PRAGMA user_version tells which steps a file has
// had, and opening a file runs the steps it lacks, all in one transaction.
#pragma once

#include <string>

class SqliteDb;

// Version 1: the operation table (time, kind, port, identity, serial number, hardware version, result,
// message, data) and the meta table. Version 2: each row also names its file (the backup's data file)
// and its fleet run, with indexes on serial number and time.
inline constexpr int kHistorySchemaVersion = 2;

// The statements that take a file from version - 1 to version (1 <= version <= kHistorySchemaVersion).
const char* HistorySchemaStep(int version);

// Why a file of a later version is refused: "written by a newer version of the program (version N)".
std::string NewerVersionText(long long version);

// Brings the file to kHistorySchemaVersion. A file of a later version (a newer program's) is left as
// it is and refused; so is a file that is no database. False with error set on failure.
bool MigrateHistory(SqliteDb& db, std::string& error);
