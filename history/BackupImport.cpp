// One-time import of the backup folder into the history.
#include "history/BackupImport.h"

#include <algorithm>
#include <vector>

#include "app/LangText.h"
#include "codeplug/BackupFolder.h"
#include "codeplug/DataFile.h"
#include "history/HistoryStore.h"
#include "history/HistoryTexts.h"

bool ImportBackupFolder(HistoryStore& store, const std::string& folder)
{
    if (store.HasMeta(kBackupsImportedKey))
        return true;
    std::vector<BackupEntry> backups = ListBackups(folder);
    std::reverse(backups.begin(), backups.end()); // oldest first, so that ids follow the times
    std::vector<HistoryRecord> rows;
    for (const BackupEntry& backup : backups) {
        std::string image;
        if (LoadDataFile(backup.path, image) != 0)
            continue; // not a code plug after all: it stays in the folder, unrecorded
        HistoryRecord row;
        row.time = backup.time;
        row.operation = HistoryOp::Backup;
        row.result = HistoryResult::Ok;
        row.message = GetLangText(histtext::kImportedBackup);
        row.data = image;
        row.file = backup.path;
        row.TakeRadioFields(image);
        rows.push_back(row);
    }
    return store.AddOnce(kBackupsImportedKey, rows);
}
