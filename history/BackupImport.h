// The backups that writes kept in the backup folder before there was a history: imported once into
// the history as backup rows, each with its code plug, time and file.
#pragma once

#include <string>

class HistoryStore;

// Meta key set once the folder has been imported (also when it held nothing).
inline constexpr const char* kBackupsImportedKey = "backups_imported";

// Imports the folder's backups, oldest first, unless the store has done so before. True when done now
// or before; false (with store.Error()) when the rows could not be added.
bool ImportBackupFolder(HistoryStore& store, const std::string& folder);
