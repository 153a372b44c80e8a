// Temporary application directory for the editor-page tests: a copy of language.sys and nothing
// else; the previous directory, language and interface lock come back afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "app/AppState.h"
#include "app/LangText.h"

class PageTestDir {
public:
    explicit PageTestDir(int language = kLangEnglish)
        : m_oldDir(g_strAppDir), m_oldLanguage(g_nLanguage), m_oldLock(g_bLockInterface)
    {
        std::random_device rd;
        std::ostringstream name;
        name << "vpx-page-" << std::hex << rd() << rd();
        m_dir = std::filesystem::temp_directory_path() / name.str();
        std::filesystem::create_directories(m_dir);
        std::error_code ec;
        std::filesystem::copy_file(std::filesystem::path(VPX_SOURCE_DIR) / "res" / "language.sys",
                                   m_dir / "language.sys", ec);
        g_strAppDir = m_dir.string();
        g_nLanguage = language;
        g_bLockInterface = false;
        ResetLangTextCache();
    }
    ~PageTestDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
        g_strAppDir = m_oldDir;
        g_nLanguage = m_oldLanguage;
        g_bLockInterface = m_oldLock;
        ResetLangTextCache();
    }
    PageTestDir(const PageTestDir&) = delete;
    PageTestDir& operator=(const PageTestDir&) = delete;

    std::string Dir() const { return m_dir.string(); }
    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }
    void WriteFile(const std::string& name, const std::string& text) const
    {
        std::ofstream(m_dir / name, std::ios::binary) << text;
    }

private:
    std::filesystem::path m_dir;
    std::string m_oldDir;
    int m_oldLanguage;
    bool m_oldLock;
};
