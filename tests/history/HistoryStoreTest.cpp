// The history file: made from nothing, brought up from an older version, refused when damaged or newer
// (and then left as it was), every field kept, and written by several threads at once as the ports of
// a fleet run will.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "history/HistorySchema.h"
#include "history/SqliteDb.h"
#include "history/SqliteStatement.h"
#include "tests/history/HistoryFixture.h"

namespace {

long long QueryInt(const std::string& path, const std::string& sql)
{
    SqliteDb db;
    long long value = -1;
    if (!db.Open(path) || !db.QueryInt(sql, value))
        return -1;
    return value;
}

std::string QueryText(const std::string& path, const std::string& sql)
{
    SqliteDb db;
    if (!db.Open(path))
        return {};
    SqliteStatement q(db, sql);
    return q.Step() && q.HasRow() ? q.Text(0) : std::string();
}

} // namespace

TEST(HistorySchema, AFileIsMadeFromNothingAndFromAnEmptyFile)
{
    HistoryHome h;
    ASSERT_FALSE(std::filesystem::exists(h.Path()));
    {
        HistoryStore store;
        ASSERT_TRUE(store.Open(h.Path(), std::string())) << store.Error();
        std::vector<HistoryRecord> rows = {RowOf(HistoryOp::Read, 1000, "SN1", PlugOfRadio("SN1"))};
        ASSERT_TRUE(store.Add(rows)) << store.Error();
        EXPECT_EQ(rows[0].id, 1);
    }
    EXPECT_EQ(QueryInt(h.Path(), "PRAGMA user_version"), kHistorySchemaVersion);
    EXPECT_EQ(QueryText(h.Path(), "PRAGMA journal_mode"), "wal");
    EXPECT_EQ(QueryInt(h.Path(), "SELECT count(*) FROM operation"), 1);

    // A file of no bytes (left by a program that was stopped right after creating it) is a new one.
    h.Put("");
    HistoryStore store;
    ASSERT_TRUE(store.Open(h.Path(), std::string())) << store.Error();
    EXPECT_TRUE(store.List().empty());
    EXPECT_EQ(QueryInt(h.Path(), "PRAGMA user_version"), kHistorySchemaVersion);
}

TEST(HistorySchema, AnOlderFileIsMigratedWithItsRows)
{
    HistoryHome h;
    {
        // A file of version 1: the operation table without the file and run columns.
        std::filesystem::create_directories(std::filesystem::path(h.Path()).parent_path());
        SqliteDb db;
        ASSERT_TRUE(db.Open(h.Path()));
        ASSERT_TRUE(db.Exec(HistorySchemaStep(1))) << db.Error();
        ASSERT_TRUE(db.Exec("INSERT INTO operation (time, kind, port, serial, hardware, result, message, data)"
                            " VALUES (1700000000, 'backup', 'com2', 'OLD7', 'HW1', 'ok', 'kept', '" +
                            PlugOfRadio("OLD7") + "'); PRAGMA user_version = 1;"))
            << db.Error();
    }
    HistoryStore store;
    ASSERT_TRUE(store.Open(h.Path(), std::string())) << store.Error();
    EXPECT_EQ(QueryInt(h.Path(), "PRAGMA user_version"), kHistorySchemaVersion);
    EXPECT_EQ(QueryInt(h.Path(), "SELECT count(*) FROM sqlite_master WHERE name = 'operation_serial'"), 1);

    HistoryRecord old;
    ASSERT_TRUE(store.Find(1, old));
    EXPECT_EQ(old.operation, HistoryOp::Backup);
    EXPECT_EQ(old.serial, "OLD7");
    EXPECT_EQ(old.data, PlugOfRadio("OLD7"));
    EXPECT_EQ(old.file, "");
    EXPECT_EQ(old.run, "");

    // The new columns take their values from now on.
    HistoryRecord fleet = RowOf(HistoryOp::FleetWrite, 1700000100, "NEW8", PlugOfRadio("NEW8"));
    fleet.run = "2026-12-08 14:03 (40 radios)";
    fleet.file = "/srv/plans/customer.dat";
    std::vector<HistoryRecord> rows = {fleet};
    ASSERT_TRUE(store.Add(rows)) << store.Error();
    HistoryRecord back;
    ASSERT_TRUE(store.Find(rows[0].id, back));
    EXPECT_EQ(back.run, fleet.run);
    EXPECT_EQ(back.file, fleet.file);
    EXPECT_EQ(back.operation, HistoryOp::FleetWrite);
}

TEST(HistorySchema, ADamagedOrNewerFileIsRefusedAndLeftAsItWas)
{
    HistoryHome h;
    const std::string garbage = "this is no database, only text that a disk error left here\n";
    h.Put(garbage);
    HistoryStore damaged;
    EXPECT_FALSE(damaged.Open(h.Path(), std::string()));
    EXPECT_FALSE(damaged.Error().empty());
    std::vector<HistoryRecord> rows = {RowOf(HistoryOp::Read, 1000, "SN1", "")};
    EXPECT_FALSE(damaged.Add(rows));
    EXPECT_EQ(h.Bytes(), garbage);

    // A file that a newer program made: its version is not touched and nothing is added.
    std::filesystem::remove(h.Path());
    {
        SqliteDb db;
        ASSERT_TRUE(db.Open(h.Path()));
        ASSERT_TRUE(db.Exec("CREATE TABLE future (x); PRAGMA user_version = 9;"));
    }
    HistoryStore newer;
    EXPECT_FALSE(newer.Open(h.Path(), std::string()));
    EXPECT_NE(newer.Error().find("newer"), std::string::npos) << newer.Error();
    EXPECT_EQ(QueryInt(h.Path(), "PRAGMA user_version"), 9);
    EXPECT_EQ(QueryInt(h.Path(), "SELECT count(*) FROM sqlite_master WHERE name = 'operation'"), 0);

    // A folder where the file should be cannot be opened either.
    HistoryStore nowhere;
    EXPECT_FALSE(nowhere.Open(h.home.Path().string(), std::string()));
}

TEST(HistoryStore, KeepsEveryFieldAndListsNewestFirst)
{
    HistoryHome h;
    HistoryStore store;
    ASSERT_TRUE(store.Open(h.Path(), std::string())) << store.Error();
    HistoryRecord read = RowOf(HistoryOp::Read, 1700000000, "SN-4711", PlugOfRadio("SN-4711"));
    read.message = "读取完成。\nsecond line with \"quotes\"";
    HistoryRecord align = RowOf(HistoryOp::AlignWrite, 1700000050, "", std::string(128, 'A'),
                                HistoryResult::Refused);
    align.model = "R736";
    std::vector<HistoryRecord> rows = {read, align};
    ASSERT_TRUE(store.Add(rows));
    EXPECT_EQ(rows[1].id, rows[0].id + 1);

    const std::vector<HistoryRecord> listed = store.List();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].id, rows[1].id); // newest first
    const HistoryRecord& r = listed[1];
    EXPECT_EQ(r.time, read.time);
    EXPECT_EQ(r.operation, HistoryOp::Read);
    EXPECT_EQ(r.port, read.port);
    EXPECT_EQ(r.model, "TQ951");
    EXPECT_EQ(r.band, "33");
    EXPECT_EQ(r.firmware, "1.05");
    EXPECT_EQ(r.serial, "SN-4711");
    EXPECT_EQ(r.hardware, "HW2.1");
    EXPECT_EQ(r.result, HistoryResult::Ok);
    EXPECT_EQ(r.message, read.message);
    EXPECT_EQ(r.data, read.data);
    EXPECT_TRUE(r.HoldsCodePlug());
    EXPECT_TRUE(listed[0].HoldsAlignment());
    EXPECT_EQ(listed[0].result, HistoryResult::Refused);

    HistoryRecord none;
    EXPECT_FALSE(store.Find(999, none));
}

TEST(HistoryStore, WorkerThreadsRecordAtOnceEachWithItsOwnStore)
{
    // The ports of a fleet run: each thread opens its own store on the file and adds its radios'
    // rows (backup, write, verify in one transaction) while the others do the same.
    HistoryHome h;
    {
        HistoryStore first; // the file exists before the workers start, as a fleet run opens it first
        ASSERT_TRUE(first.Open(h.Path(), std::string()));
    }
    constexpr int kThreads = 4;
    constexpr int kRadios = 15;
    std::vector<int> failures(kThreads, 0);
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([&h, &failures, t] {
            HistoryStore store;
            if (!store.Open(h.Path(), std::string())) {
                failures[static_cast<std::size_t>(t)] = kRadios;
                return;
            }
            for (int n = 0; n < kRadios; ++n) {
                const std::string serial = "P" + std::to_string(t) + "-" + std::to_string(n);
                std::vector<HistoryRecord> rows = {RowOf(HistoryOp::Backup, 1000 + n, serial, ""),
                                                   RowOf(HistoryOp::FleetWrite, 1000 + n, serial, ""),
                                                   RowOf(HistoryOp::Verify, 1000 + n, serial, "")};
                for (HistoryRecord& row : rows)
                    row.port = "port" + std::to_string(t);
                if (!store.Add(rows))
                    ++failures[static_cast<std::size_t>(t)];
            }
        });
    }
    for (std::thread& w : workers)
        w.join();
    EXPECT_EQ(failures, std::vector<int>(kThreads, 0));

    HistoryStore store;
    ASSERT_TRUE(store.Open(h.Path(), std::string()));
    const std::vector<HistoryRecord> rows = store.List();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kThreads * kRadios * 3));
    std::set<long long> ids;
    for (const HistoryRecord& row : rows)
        ids.insert(row.id);
    EXPECT_EQ(ids.size(), rows.size());
    // The three rows of one radio are added together: nobody's rows come between them.
    for (std::size_t i = 0; i + 2 < rows.size(); i += 3) {
        EXPECT_EQ(rows[i].operation, HistoryOp::Verify);
        EXPECT_EQ(rows[i + 1].operation, HistoryOp::FleetWrite);
        EXPECT_EQ(rows[i + 2].operation, HistoryOp::Backup);
        EXPECT_EQ(rows[i].serial, rows[i + 2].serial);
        EXPECT_EQ(rows[i].port, rows[i + 2].port);
    }
}
