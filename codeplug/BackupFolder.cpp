// The backup folder of the code plugs read out of radios before a write: names, listing, pruning.
#include "codeplug/BackupFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "codeplug/AddressMap.h"
#include "codeplug/DataFile.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"

namespace fs = std::filesystem;

namespace {

constexpr int kSerialBytes = 15;
constexpr int kMaxSameName = 99;

// Date, time, band code, optional serial number and optional "_N" of a name that was taken.
const std::regex& BackupNamePattern()
{
    static const std::regex pattern(
        R"(^(\d{4})-(\d{2})-(\d{2})_(\d{2})-(\d{2})-(\d{2})_[0-9A-F]{2}(_SN[A-Za-z0-9-]+)?(_\d+)?\.dat$)");
    return pattern;
}

// Seconds since the epoch of the local time in a backup's name; -1 when the name is not a backup's.
std::time_t TimeOfName(const std::string& name)
{
    std::smatch m;
    if (!std::regex_match(name, m, BackupNamePattern()))
        return -1;
    std::tm t{};
    t.tm_year = std::stoi(m[1]) - 1900;
    t.tm_mon = std::stoi(m[2]) - 1;
    t.tm_mday = std::stoi(m[3]);
    t.tm_hour = std::stoi(m[4]);
    t.tm_min = std::stoi(m[5]);
    t.tm_sec = std::stoi(m[6]);
    t.tm_isdst = -1;
    return std::mktime(&t);
}

std::string SerialPart(const CodePlug& image)
{
    std::string serial;
    for (char c : HexToText(image.Read(Addr::kSerialNumber, kSerialBytes))) {
        const bool keep =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
        if (keep)
            serial += c;
    }
    return serial.empty() ? std::string() : "_SN" + serial;
}

} // namespace

std::string UserDataFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/')
        return (fs::path(dataHome) / "vpxds").string();
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return (fs::path(home) / ".local" / "share" / "vpxds").string();
    return {};
}

std::string BackupFolderPath()
{
    const std::string data = UserDataFolder();
    return data.empty() ? std::string() : (fs::path(data) / "backups").string();
}

std::string BackupFileName(std::time_t when, const CodePlug& image)
{
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    return std::string(stamp) + "_" + BandCodeOf(image.Text()) + SerialPart(image) + ".dat";
}

std::vector<BackupEntry> ListBackups(const std::string& folder)
{
    std::vector<BackupEntry> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileEc;
        if (!it->is_regular_file(fileEc))
            continue;
        BackupEntry e;
        e.name = it->path().filename().string();
        e.time = TimeOfName(e.name);
        if (e.time < 0)
            continue;
        e.path = it->path().string();
        out.push_back(e);
    }
    // Newest first; backups of the same second by their "_N", the later one first.
    std::sort(out.begin(), out.end(), [](const BackupEntry& a, const BackupEntry& b) {
        if (a.time != b.time)
            return a.time > b.time;
        if (a.name.size() != b.name.size())
            return a.name.size() > b.name.size();
        return a.name > b.name;
    });
    return out;
}

int PruneBackups(const std::string& folder, std::time_t now)
{
    const std::vector<BackupEntry> backups = ListBackups(folder);
    constexpr std::time_t kKeepSeconds = std::time_t{kBackupKeepDays} * 24 * 60 * 60;
    int removed = 0;
    for (std::size_t i = kBackupKeepNewest; i < backups.size(); ++i) {
        if (now - backups[i].time <= kKeepSeconds)
            continue;
        std::error_code ec;
        if (fs::remove(backups[i].path, ec))
            ++removed;
    }
    return removed;
}

int SaveBackup(const CodePlug& image, std::time_t now, std::string& path)
{
    const std::string folder = BackupFolderPath();
    path = folder.empty() ? std::string("$XDG_DATA_HOME/vpxds/backups") : folder;
    if (folder.empty())
        return kTextBackupNotSaved;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec))
        return kTextBackupNotSaved;

    const std::string name = BackupFileName(now, image);
    const std::string stem = name.substr(0, name.size() - 4); // without ".dat"
    for (int n = 1; n <= kMaxSameName; ++n) {
        const fs::path file = fs::path(folder) / (n == 1 ? name : stem + "_" + std::to_string(n) + ".dat");
        if (fs::exists(fs::symlink_status(file, ec)))
            continue;
        if (!SaveTextFileAtomic(file.string(), image.Text()))
            return kTextBackupNotSaved;
        path = file.string();
        PruneBackups(folder, now);
        return 0;
    }
    return kTextBackupNotSaved;
}
