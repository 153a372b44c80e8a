// A temporary application directory for the code-plug tests: holds its own language.sys, points
// g_strAppDir at itself and restores the previous directory and language when the test ends.
#pragma once

#include <filesystem>
#include <string>

class TempAppDir {
public:
    // English texts by default; every test that shows a text writes it here, never in the build dir.
    explicit TempAppDir(int language = 200000);
    ~TempAppDir();
    TempAppDir(const TempAppDir&) = delete;
    TempAppDir& operator=(const TempAppDir&) = delete;

    const std::filesystem::path& Path() const { return m_dir; }
    std::string File(const std::string& name) const { return (m_dir / name).string(); }

    void WriteFile(const std::string& name, const std::string& bytes) const;
    std::string ReadFile(const std::string& name) const;

    static constexpr const char* kNoToneEnglish = "None";
    static constexpr const char* kNoToneChinese = "\xE6\x97\xA0";  // UTF-8 of the Chinese "none"

private:
    std::filesystem::path m_dir;
    std::string m_oldDir;
    int m_oldLanguage;
};
