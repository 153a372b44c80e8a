// vpxds-cli backups: the code plugs that writes with a backup read out of radios, newest first.
#include <iostream>

#include "codeplug/BackupFolder.h"
#include "tools/cli/Commands.h"

namespace {

const char* kBackupsUsage =
    "usage: vpxds-cli backups\n"
    "Lists the backup folder newest first, one path a line: the code plug each write with a backup\n"
    "read out of the radio before writing it (write --backup, or [option] backup_before_write=yes).\n"
    "Names carry the date and time, the band code and the radio's serial number. Writing such a file\n"
    "back restores the radio. The folder is $XDG_DATA_HOME/vpxds/backups, else\n"
    "~/.local/share/vpxds/backups; backups older than 365 days are pruned, never the newest ten.\n";

} // namespace

int CmdBackups(const CliArgs& args)
{
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << kBackupsUsage;
            return 0;
        }
        std::cerr << "vpxds-cli backups: unexpected argument '" << a << "'\n" << kBackupsUsage;
        return 2;
    }
    const std::string folder = BackupFolderPath();
    if (folder.empty()) {
        std::cerr << "vpxds-cli backups: neither XDG_DATA_HOME nor HOME is set\n";
        return 1;
    }
    const std::vector<BackupEntry> backups = ListBackups(folder);
    for (const BackupEntry& b : backups)
        std::cout << b.path << "\n";
    std::cerr << backups.size() << " backup(s) in " << folder << "\n";
    return 0;
}
