// The application directory rule: portable beside the program, or the user's configuration folder
// for an installed program, whose own folder holds no settings and is not the user's to write.
#include "app/AppLocation.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/Settings.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

constexpr const char* kConfigFolder = "vpxds";

// The build sets the installed layout; this is the usual one.
#ifndef VPX_DATA_FROM_BIN
#define VPX_DATA_FROM_BIN "../share/vpxds"
#endif

bool Writable(const std::string& dir)
{
#ifdef _WIN32
    (void)dir;
    return true;
#else
    return ::access(dir.c_str(), W_OK) == 0;
#endif
}

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

} // namespace

std::string InstalledDataDir(const std::string& programDir)
{
    if (programDir.empty())
        return {};
    const fs::path data = (fs::path(programDir) / VPX_DATA_FROM_BIN).lexically_normal();
    return FileExists((data / "language.sys").string()) ? data.string() : std::string();
}

AppLocation ResolveAppLocation(const std::string& programDir, const std::string& appDirOverride,
                               const std::string& xdgConfigHome, const std::string& home)
{
    AppLocation where;
    where.dataDir = InstalledDataDir(programDir);
    if (!appDirOverride.empty()) {
        where.appDir = appDirOverride;
        return where;
    }
    const bool portable = FileExists((fs::path(programDir) / "system.ini").string()) ||
                          (Writable(programDir) && where.dataDir.empty());
    if (portable) {
        where.appDir = programDir;
        return where;
    }
    fs::path config;
    if (!xdgConfigHome.empty() && fs::path(xdgConfigHome).is_absolute())
        config = xdgConfigHome;
    else if (!home.empty())
        config = fs::path(home) / ".config";
    if (config.empty()) {
        // Nowhere else to go: settings are read from the program's folder and writing them fails
        // silently, as a failed settings write always does.
        where.appDir = programDir;
        return where;
    }
    const fs::path dir = config / kConfigFolder;
    std::error_code ec;
    fs::create_directories(dir, ec);
    where.appDir = dir.string();
    return where;
}

AppLocation ResolveAppLocation(const std::string& programDir, const std::string& appDirOverride)
{
    return ResolveAppLocation(programDir, appDirOverride, Env("XDG_CONFIG_HOME"), Env("HOME"));
}
