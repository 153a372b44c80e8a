// Backups of a radio's code plug taken before a write: one data file each in the user's data folder,
// named after the time, the band code and the radio's serial number; the oldest ones are pruned.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "codeplug/CodePlug.h"

inline constexpr int kBackupKeepNewest = 10; // never pruned, however old
inline constexpr int kBackupKeepDays = 365;  // older backups are pruned when a new one is made
inline constexpr int kTextBackupNotSaved = 9553;

// The user's data folder of the program: $XDG_DATA_HOME/vpxds (only an absolute XDG_DATA_HOME
// counts), else $HOME/.local/share/vpxds; empty when neither is set. It holds the backups and the
// radio history.
std::string UserDataFolder();
// UserDataFolder()/backups; empty when there is no data folder.
std::string BackupFolderPath();

// "2026-12-08_14-03-22_33_SN12345.dat": the local time when, the image's band code and its serial
// number (0x03E0; its letters, digits and '-'), which is left out when the radio holds none.
std::string BackupFileName(std::time_t when, const CodePlug& image);

struct BackupEntry {
    std::string path;
    std::string name;
    std::time_t time = 0; // from the name
};

// The backups in folder (files named as BackupFileName names them; anything else is not looked at),
// newest first. Empty when the folder does not exist.
std::vector<BackupEntry> ListBackups(const std::string& folder);

// Removes the backups older than kBackupKeepDays before now, except the kBackupKeepNewest newest.
// Returns how many were removed.
int PruneBackups(const std::string& folder, std::time_t now);

// Saves the image as a new data file in the backup folder (created on demand; a name that is taken
// gets "_2", "_3", ... so that no backup is ever replaced), then prunes. 0 and the file's path on
// success; kTextBackupNotSaved with path naming the folder otherwise, nothing saved.
int SaveBackup(const CodePlug& image, std::time_t now, std::string& path);
