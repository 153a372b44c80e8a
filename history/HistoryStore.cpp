// The history file: connection settings, schema, the backup import, and the row statements.
#include "history/HistoryStore.h"

#include <filesystem>

#include "codeplug/BackupFolder.h"
#include "history/BackupImport.h"
#include "history/HistorySchema.h"
#include "history/SqliteStatement.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kColumns =
    "id, time, kind, port, model, band, firmware, serial, hardware, result, message, data, file, run";

// A row of kColumns; false for a row whose operation or result this program does not know.
bool ReadRow(const SqliteStatement& q, HistoryRecord& row)
{
    const auto op = HistoryOpFromName(q.Text(2));
    const auto result = HistoryResultFromName(q.Text(9));
    if (!op || !result)
        return false;
    row.id = q.Int(0);
    row.time = static_cast<std::time_t>(q.Int(1));
    row.operation = *op;
    row.port = q.Text(3);
    row.model = q.Text(4);
    row.band = q.Text(5);
    row.firmware = q.Text(6);
    row.serial = q.Text(7);
    row.hardware = q.Text(8);
    row.result = *result;
    row.message = q.Text(10);
    row.data = q.Text(11);
    row.file = q.Text(12);
    row.run = q.Text(13);
    return true;
}

} // namespace

std::string HistoryStore::DefaultPath()
{
    const std::string folder = UserDataFolder();
    return folder.empty() ? std::string() : (fs::path(folder) / "history.sqlite").string();
}

bool HistoryStore::Fail(const std::string& what)
{
    m_error = what;
    return false;
}

bool HistoryStore::Open(const std::string& path, const std::string& backupFolder)
{
    m_open = false;
    m_path = path;
    if (path.empty())
        return Fail("no data folder ($XDG_DATA_HOME and $HOME are not set)");
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    if (!m_db.Open(path))
        return Fail(m_db.Error());
    // The first statement reads the file: one that is no database fails here, and one that a newer
    // program wrote is refused before anything in it changes.
    long long version = 0;
    if (!m_db.QueryInt("PRAGMA user_version", version))
        return Fail(m_db.Error());
    if (version > kHistorySchemaVersion)
        return Fail(NewerVersionText(version));
    std::string error;
    if (!m_db.Exec("PRAGMA journal_mode = WAL"))
        return Fail(m_db.Error());
    if (!MigrateHistory(m_db, error))
        return Fail(error);
    m_open = true;
    if (!backupFolder.empty() && !ImportBackupFolder(*this, backupFolder)) {
        m_open = false;
        return false;
    }
    m_error.clear();
    return true;
}

bool HistoryStore::Insert(HistoryRecord& row)
{
    SqliteStatement q(m_db, "INSERT INTO operation (time, kind, port, model, band, firmware, serial, hardware,"
                            " result, message, data, file, run)"
                            " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)");
    q.Bind(1, static_cast<long long>(row.time));
    q.Bind(2, std::string(HistoryOpName(row.operation)));
    q.Bind(3, row.port);
    q.Bind(4, row.model);
    q.Bind(5, row.band);
    q.Bind(6, row.firmware);
    q.Bind(7, row.serial);
    q.Bind(8, row.hardware);
    q.Bind(9, std::string(HistoryResultName(row.result)));
    q.Bind(10, row.message);
    if (row.data.empty())
        q.BindNull(11);
    else
        q.Bind(11, row.data);
    q.Bind(12, row.file);
    q.Bind(13, row.run);
    if (!q.Step())
        return false;
    long long id = 0;
    if (!m_db.QueryInt("SELECT last_insert_rowid()", id))
        return false;
    row.id = id;
    return true;
}

bool HistoryStore::InsertAll(std::vector<HistoryRecord>& rows, const std::string& metaKey)
{
    if (!m_open)
        return Fail(m_error.empty() ? "the history is not open" : m_error);
    if (!m_db.BeginWrite())
        return Fail(m_db.Error());
    auto rollBack = [this] {
        m_db.Rollback();
        return Fail(m_db.Error());
    };
    // Inside the transaction: another program or thread may have set the key meanwhile.
    if (!metaKey.empty() && HasMeta(metaKey))
        return m_db.Commit() || rollBack();
    for (HistoryRecord& row : rows) {
        if (!Insert(row))
            return rollBack();
    }
    if (!metaKey.empty()) {
        SqliteStatement set(m_db, "INSERT INTO meta (key, value) VALUES (?1, '1')");
        set.Bind(1, metaKey);
        if (!set.Step())
            return rollBack();
    }
    return m_db.Commit() || rollBack();
}

bool HistoryStore::Add(std::vector<HistoryRecord>& rows) { return InsertAll(rows, std::string()); }

bool HistoryStore::AddOnce(const std::string& metaKey, std::vector<HistoryRecord>& rows)
{
    return InsertAll(rows, metaKey);
}

bool HistoryStore::HasMeta(const std::string& metaKey)
{
    SqliteStatement q(m_db, "SELECT 1 FROM meta WHERE key = ?1");
    q.Bind(1, metaKey);
    return q.Step() && q.HasRow();
}

std::vector<HistoryRecord> HistoryStore::List()
{
    std::vector<HistoryRecord> rows;
    SqliteStatement q(m_db, std::string("SELECT ") + kColumns + " FROM operation ORDER BY id DESC");
    bool stepped = false;
    while ((stepped = q.Step()) && q.HasRow()) {
        HistoryRecord row;
        if (ReadRow(q, row))
            rows.push_back(row);
    }
    if (!stepped)
        m_error = m_db.Error();
    return rows;
}

bool HistoryStore::Find(long long id, HistoryRecord& row)
{
    SqliteStatement q(m_db, std::string("SELECT ") + kColumns + " FROM operation WHERE id = ?1");
    q.Bind(1, id);
    if (!q.Step()) {
        m_error = m_db.Error();
        return false;
    }
    return q.HasRow() && ReadRow(q, row);
}
