// The backup folder's files come into the history once: each as a backup row with its code plug,
// time, serial number and file; files that are no backups or no code plugs stay out.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "app/LangText.h"
#include "codeplug/BackupFolder.h"
#include "history/BackupImport.h"
#include "tests/history/HistoryFixture.h"

TEST(BackupImport, TheFolderIsImportedOnceOldestFirst)
{
    LinkAppDir dir;
    HistoryHome h;
    const std::time_t day = 24 * 60 * 60;
    const std::time_t start = 1700000000;
    std::vector<std::string> paths(3);
    ASSERT_EQ(SaveBackup(CodePlug(PlugOfRadio("SN200")), start + 2 * day, paths[2]), 0);
    ASSERT_EQ(SaveBackup(CodePlug(PlugOfRadio("SN100")), start, paths[0]), 0);
    ASSERT_EQ(SaveBackup(CodePlug(BuildBandImage("33")), start + day, paths[1]), 0); // no serial number
    // Named like a backup but no code plug, and a file of another kind: neither is imported.
    std::ofstream(std::filesystem::path(BackupFolderPath()) / "2023-01-01_10-00-00_33.dat") << "broken";
    std::ofstream(std::filesystem::path(BackupFolderPath()) / "notes.txt") << "customer: harbour";

    HistoryStore store;
    ASSERT_TRUE(store.Open(h.Path(), BackupFolderPath())) << store.Error();
    std::vector<HistoryRecord> rows = store.List();
    ASSERT_EQ(rows.size(), 3u);
    // Newest first in the list; the ids follow the backups' times.
    EXPECT_EQ(rows[2].serial, "SN100");
    EXPECT_EQ(rows[1].serial, "");
    EXPECT_EQ(rows[0].serial, "SN200");
    EXPECT_LT(rows[2].id, rows[0].id);
    for (std::size_t i = 0; i < 3; ++i) {
        const HistoryRecord& r = rows[2 - i];
        EXPECT_EQ(r.operation, HistoryOp::Backup);
        EXPECT_EQ(r.result, HistoryResult::Ok);
        EXPECT_EQ(r.file, paths[i]);
        EXPECT_EQ(r.time, ListBackups(BackupFolderPath())[2 - i].time);
        EXPECT_EQ(r.message, GetLangText(9743));
        EXPECT_FALSE(r.message.empty());
    }
    EXPECT_EQ(rows[0].data, PlugOfRadio("SN200"));
    EXPECT_EQ(rows[0].hardware, "HW2.1");
    EXPECT_TRUE(store.HasMeta(kBackupsImportedKey));

    // Opened again, and after a new backup file appeared (a write records its own backup): nothing
    // is imported twice.
    std::string later;
    ASSERT_EQ(SaveBackup(CodePlug(PlugOfRadio("SN300")), start + 3 * day, later), 0);
    HistoryStore again;
    ASSERT_TRUE(again.Open(h.Path(), BackupFolderPath()));
    EXPECT_EQ(again.List().size(), 3u);
}

TEST(BackupImport, AMissingFolderCountsAsImported)
{
    HistoryHome h;
    HistoryStore store;
    ASSERT_TRUE(store.Open(h.Path(), BackupFolderPath())) << store.Error();
    EXPECT_TRUE(store.List().empty());
    EXPECT_TRUE(store.HasMeta(kBackupsImportedKey));
    std::string path;
    ASSERT_EQ(SaveBackup(CodePlug(PlugOfRadio("SN1")), 1700000000, path), 0);
    HistoryStore again;
    ASSERT_TRUE(again.Open(h.Path(), BackupFolderPath()));
    EXPECT_TRUE(again.List().empty());
}
