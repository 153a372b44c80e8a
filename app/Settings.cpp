// system.ini in the application directory, paths of the program's own files and the marker files.
#include "app/Settings.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/AppState.h"
#include "app/IniFile.h"

namespace {
constexpr const char* kSettingsFile = "system.ini";
} // namespace

std::string AppFilePath(const std::string& name)
{
    // Before start-up has recorded a directory, files are looked for in the current directory,
    // never in the root of the file system.
    if (g_strAppDir.empty())
        return name;
    return g_strAppDir + "/" + name;
}

std::string ReadSetting(const std::string& section, const std::string& key)
{
    return IniFile(AppFilePath(kSettingsFile)).Read(section, key);
}

bool WriteSetting(const std::string& section, const std::string& key, const std::string& value)
{
    IniFile ini(AppFilePath(kSettingsFile));
    return ini.Write(section, key, value);
}

bool ReadYesSetting(const std::string& section, const std::string& key)
{
    return ReadSetting(section, key) == "yes";
}

bool WriteYesSetting(const std::string& section, const std::string& key, bool on)
{
    return WriteSetting(section, key, on ? "yes" : "no");
}

bool FileExists(const std::string& path)
{
    if (path.empty())
        return false;
    // A directory opens for reading on some systems, but it is not a file.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    return static_cast<bool>(in);
}

bool MarkerPresent(const char* name)
{
    if (name == nullptr || *name == '\0')
        return false;
    return FileExists(AppFilePath(name));
}
