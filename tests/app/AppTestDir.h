// A temporary application directory for the application-shell tests: created empty, made the
// application directory, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "app/AppState.h"
#include "app/LangText.h"

class AppTestDir
{
  public:
    AppTestDir()
    {
        std::random_device rd;
        std::ostringstream name;
        name << "vpx-app-test-" << std::hex << rd() << rd();
        m_dir = std::filesystem::temp_directory_path() / name.str();
        std::filesystem::create_directories(m_dir);
        g_strAppDir = m_dir.string();
        ResetLangTextCache();
    }
    ~AppTestDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
        ResetLangTextCache();
    }
    AppTestDir(const AppTestDir&) = delete;
    AppTestDir& operator=(const AppTestDir&) = delete;

    std::string Dir() const { return m_dir.string(); }
    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }

    // Writes the bytes exactly as given (no line-end translation).
    void Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(m_dir / name, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string Get(const std::string& name) const
    {
        std::ifstream in(m_dir / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(m_dir / name); }
    void Remove(const std::string& name) const
    {
        std::error_code ec;
        std::filesystem::remove(m_dir / name, ec);
    }
    // Number of entries in the directory (to see that no temporary file was left behind).
    int EntryCount() const
    {
        int n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_dir))
            ++n;
        return n;
    }

  private:
    std::filesystem::path m_dir;
};
