// Where the program keeps its settings and finds its interface texts: beside the program file (the
// portable layout) or, for a program installed under a prefix, in the user's configuration folder.
#pragma once

#include <string>

struct AppLocation {
    std::string appDir;  // application directory: system.ini, marker files, language.sys when present
    std::string dataDir; // read-only data of an installed program (PREFIX/share/vpxds), empty when none
};

// The installed data directory that belongs to a program directory: PREFIX/share/vpxds beside
// PREFIX/bin (as the build lays out the installation), when it holds language.sys; empty otherwise.
std::string InstalledDataDir(const std::string& programDir);

// The application directory for a program file in programDir:
// - programDir itself when it already holds system.ini, or when it is writable and is no installed
//   prefix (no PREFIX/share/vpxds/language.sys beside it) - the portable layout;
// - otherwise xdgConfigHome/vpxds, or home/.config/vpxds when xdgConfigHome is empty or relative;
//   the folder is created when it does not exist yet.
// appDirOverride (--appdir), when not empty, is the application directory whatever the rest says.
AppLocation ResolveAppLocation(const std::string& programDir, const std::string& appDirOverride,
                               const std::string& xdgConfigHome, const std::string& home);

// The same with XDG_CONFIG_HOME and HOME taken from the environment.
AppLocation ResolveAppLocation(const std::string& programDir, const std::string& appDirOverride);
