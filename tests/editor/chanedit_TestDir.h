// Temporary application directory for the channel-editor tests: a copy of language.sys, its own
// system.ini and marker files; the previous directory and language come back afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "app/AppState.h"
#include "app/LangText.h"

class ChanEditTestDir {
public:
    explicit ChanEditTestDir(int language = kLangEnglish)
        : m_oldDir(g_strAppDir), m_oldLanguage(g_nLanguage)
    {
        std::random_device rd;
        std::ostringstream name;
        name << "vpx-chanedit-" << std::hex << rd() << rd();
        m_dir = std::filesystem::temp_directory_path() / name.str();
        std::filesystem::create_directories(m_dir);
        std::error_code ec;
        std::filesystem::copy_file(std::filesystem::path(VPX_SOURCE_DIR) / "res" / "language.sys",
                                   m_dir / "language.sys", ec);
        g_strAppDir = m_dir.string();
        g_nLanguage = language;
        ResetLangTextCache();
    }
    ~ChanEditTestDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
        g_strAppDir = m_oldDir;
        g_nLanguage = m_oldLanguage;
        ResetLangTextCache();
    }
    ChanEditTestDir(const ChanEditTestDir&) = delete;
    ChanEditTestDir& operator=(const ChanEditTestDir&) = delete;

    void WriteFile(const std::string& fileName, const std::string& text) const
    {
        std::ofstream(m_dir / fileName, std::ios::binary) << text;
    }
    void AllowIllegalTones() const { WriteFile("system.ini", "[option]\nallow_illegal_qtdqt=yes\n"); }

private:
    std::filesystem::path m_dir;
    std::string m_oldDir;
    int m_oldLanguage;
};
