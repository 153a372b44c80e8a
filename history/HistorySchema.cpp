// Creation and migration of the history's tables.
#include "history/HistorySchema.h"

#include "history/SqliteDb.h"

const char* HistorySchemaStep(int version)
{
    switch (version) {
    case 1:
        return "CREATE TABLE operation ("
               " id INTEGER PRIMARY KEY AUTOINCREMENT,"
               " time INTEGER NOT NULL,"       // seconds since the epoch
               " kind TEXT NOT NULL,"          // read, backup, write, verify, align-read, ...
               " port TEXT NOT NULL DEFAULT '',"
               " model TEXT NOT NULL DEFAULT '',"
               " band TEXT NOT NULL DEFAULT '',"
               " firmware TEXT NOT NULL DEFAULT '',"
               " serial TEXT NOT NULL DEFAULT '',"
               " hardware TEXT NOT NULL DEFAULT '',"
               " result TEXT NOT NULL,"        // ok, failed, refused
               " message TEXT NOT NULL DEFAULT '',"
               " data TEXT);"                  // hex text of the code plug or alignment block
               "CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT NOT NULL);";
    case 2:
        return "ALTER TABLE operation ADD COLUMN file TEXT NOT NULL DEFAULT '';"
               "ALTER TABLE operation ADD COLUMN run TEXT NOT NULL DEFAULT '';"
               "CREATE INDEX operation_serial ON operation (serial);"
               "CREATE INDEX operation_time ON operation (time);";
    default:
        return nullptr;
    }
}

std::string NewerVersionText(long long version)
{
    return "written by a newer version of the program (version " + std::to_string(version) + ")";
}

bool MigrateHistory(SqliteDb& db, std::string& error)
{
    auto fail = [&](const std::string& why) {
        error = why;
        db.Rollback();
        return false;
    };
    // The version is read inside the write transaction: another program (or thread) that opened the
    // same new file a moment earlier has done the steps by then, and they are not done twice.
    if (!db.BeginWrite()) {
        error = db.Error();
        return false;
    }
    long long version = 0;
    if (!db.QueryInt("PRAGMA user_version", version))
        return fail(db.Error());
    if (version > kHistorySchemaVersion)
        return fail(NewerVersionText(version));
    for (long long v = version + 1; v <= kHistorySchemaVersion; ++v) {
        if (!db.Exec(HistorySchemaStep(static_cast<int>(v))))
            return fail(db.Error());
    }
    const std::string setVersion = "PRAGMA user_version = " + std::to_string(kHistorySchemaVersion);
    if ((version < kHistorySchemaVersion && !db.Exec(setVersion)) || !db.Commit())
        return fail(db.Error());
    return true;
}
