// A temporary user data folder for tests: XDG_DATA_HOME points at a fresh directory while the object
// lives (the backup folder of writes lies below it), and comes back as it was afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <sstream>
#include <string>

class DataHome {
public:
    DataHome() : DataHome(std::filesystem::temp_directory_path()) {}
    // Below base instead of the temporary folder (e.g. a memory file system, where saving is cheap).
    explicit DataHome(const std::filesystem::path& base)
    {
        if (const char* old = std::getenv("XDG_DATA_HOME"))
            m_old = old;
        std::random_device rd;
        std::ostringstream name;
        name << "vpx-data-home-" << std::hex << rd() << rd();
        m_dir = base / name.str();
        std::filesystem::create_directories(m_dir);
        ::setenv("XDG_DATA_HOME", m_dir.c_str(), 1);
    }
    ~DataHome()
    {
        if (m_old)
            ::setenv("XDG_DATA_HOME", m_old->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    DataHome(const DataHome&) = delete;
    DataHome& operator=(const DataHome&) = delete;

    const std::filesystem::path& Path() const { return m_dir; }
    // Where the writes keep their backups.
    std::filesystem::path Backups() const { return m_dir / "vpxds" / "backups"; }
    // How many entries the backup folder holds (0 when it does not exist).
    int BackupCount() const
    {
        int n = 0;
        std::error_code ec;
        for (std::filesystem::directory_iterator it(Backups(), ec), end; !ec && it != end; it.increment(ec))
            ++n;
        return n;
    }

private:
    std::filesystem::path m_dir;
    std::optional<std::string> m_old;
};
