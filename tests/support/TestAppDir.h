// A temporary application directory for tests: made the application directory while the object
// lives, optionally holding a copy of the project's language.sys; the application state that tests
// change (directory, language, lock, service flags, model code) comes back afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "app/AppState.h"
#include "app/LangText.h"

class TestAppDir {
public:
    enum class Texts { None, Project };

    explicit TestAppDir(const char* prefix, Texts texts = Texts::None)
        : m_oldDir(g_strAppDir), m_oldLanguage(g_nLanguage), m_oldLock(g_bLockInterface),
          m_oldTest(g_bTestEnabled), m_oldServiceView(g_bServiceView), m_oldModel(g_strModel)
    {
        std::random_device rd;
        std::ostringstream name;
        name << prefix << std::hex << rd() << rd();
        m_dir = std::filesystem::temp_directory_path() / name.str();
        std::filesystem::create_directories(m_dir);
        if (texts == Texts::Project) {
            std::error_code ec;
            std::filesystem::copy_file(std::filesystem::path(VPX_SOURCE_DIR) / "res" / "language.sys",
                                       m_dir / "language.sys", ec);
        }
        g_strAppDir = m_dir.string();
        ResetLangTextCache();
    }
    ~TestAppDir()
    {
        g_strAppDir = m_oldDir;
        g_nLanguage = m_oldLanguage;
        g_bLockInterface = m_oldLock;
        g_bTestEnabled = m_oldTest;
        g_bServiceView = m_oldServiceView;
        g_strModel = m_oldModel;
        ResetLangTextCache();
        std::error_code ec;
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_dir, ec);
    }
    TestAppDir(const TestAppDir&) = delete;
    TestAppDir& operator=(const TestAppDir&) = delete;

    const std::filesystem::path& Path() const { return m_dir; }
    std::string Dir() const { return m_dir.string(); }
    std::string File(const std::string& name) const { return (m_dir / name).string(); }

    // Writes the bytes exactly as given (no line-end translation).
    void WriteFile(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(m_dir / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string ReadFile(const std::string& name) const
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
    std::string m_oldDir;
    int m_oldLanguage;
    bool m_oldLock;
    bool m_oldTest;
    bool m_oldServiceView;
    std::string m_oldModel;
};
