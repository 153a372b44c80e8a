// Temporary application directory with a small language.sys for the code-plug tests.
#include "TempAppDir.h"

#include <fstream>
#include <random>
#include <sstream>

#include "app/AppState.h"
#include "app/LangText.h"

TempAppDir::TempAppDir(int language) : m_oldDir(g_strAppDir), m_oldLanguage(g_nLanguage)
{
    std::random_device rd;
    m_dir = std::filesystem::temp_directory_path() / ("vpx-codeplug-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(m_dir);
    WriteFile("language.sys", std::string("[language]\n") +
                                  "190020=" + kNoToneChinese + "\n" +
                                  "290020=" + kNoToneEnglish + "\n" +
                                  "102011=\xE6\x96\x87\xE4\xBB\xB6\n"
                                  "202011=The data file cannot be opened.\n"
                                  "202014=The data file cannot be saved.\n"
                                  "202015=The data file is damaged.\n");
    g_strAppDir = m_dir.string();
    g_nLanguage = language;
    ResetLangTextCache();
}

TempAppDir::~TempAppDir()
{
    g_strAppDir = m_oldDir;
    g_nLanguage = m_oldLanguage;
    ResetLangTextCache();
    std::error_code ec;
    std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_dir, ec);
}

void TempAppDir::WriteFile(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(m_dir / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempAppDir::ReadFile(const std::string& name) const
{
    std::ifstream in(m_dir / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
