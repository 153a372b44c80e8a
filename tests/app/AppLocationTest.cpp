// Where the program keeps its settings: beside a portable program, in the user's configuration folder
// for an installed one; and where it finds its interface texts in either layout.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

#include "app/AppLocation.h"
#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "tests/app/AppTestDir.h"

namespace fs = std::filesystem;

namespace {

// An installed layout under root: PREFIX/bin and PREFIX/share/vpxds/language.sys.
std::string InstallLayout(const fs::path& root, const std::string& englishText)
{
    fs::create_directories(root / "bin");
    fs::create_directories(root / "share" / "vpxds");
    std::ofstream(root / "share" / "vpxds" / "language.sys") << "[language]\n200018=" << englishText << "\n";
    return (root / "bin").string();
}

} // namespace

TEST(AppLocation, APortableProgramKeepsEverythingBesideItself)
{
    AppTestDir dir;
    const std::string program = (dir.Path() / "portable").string();
    fs::create_directories(program);
    const AppLocation where = ResolveAppLocation(program, "", (dir.Path() / "cfg").string(), "/home/x");
    EXPECT_EQ(where.appDir, program);
    EXPECT_EQ(where.dataDir, "");
    EXPECT_FALSE(fs::exists(dir.Path() / "cfg" / "vpxds")); // nothing created elsewhere
}

TEST(AppLocation, AnInstalledProgramUsesTheUsersConfigurationFolder)
{
    AppTestDir dir;
    const std::string program = InstallLayout(dir.Path() / "usr", "About");

    // XDG_CONFIG_HOME/vpxds, created on first use; the texts come from the installed copy.
    const fs::path config = dir.Path() / "config";
    AppLocation where = ResolveAppLocation(program, "", config.string(), (dir.Path() / "home").string());
    EXPECT_EQ(where.appDir, (config / "vpxds").string());
    EXPECT_TRUE(fs::is_directory(config / "vpxds"));
    EXPECT_EQ(where.dataDir, (dir.Path() / "usr" / "share" / "vpxds").string());

    // Without XDG_CONFIG_HOME (or with a relative one, which does not count): HOME/.config/vpxds.
    const fs::path home = dir.Path() / "home";
    where = ResolveAppLocation(program, "", "", home.string());
    EXPECT_EQ(where.appDir, (home / ".config" / "vpxds").string());
    where = ResolveAppLocation(program, "", "relative/config", home.string());
    EXPECT_EQ(where.appDir, (home / ".config" / "vpxds").string());
    EXPECT_TRUE(fs::is_directory(home / ".config" / "vpxds"));

    // A system.ini beside the installed program keeps the portable layout (an old installation).
    std::ofstream(fs::path(program) / "system.ini") << "[computer]\ncom=com2\n";
    where = ResolveAppLocation(program, "", config.string(), home.string());
    EXPECT_EQ(where.appDir, program);

    // --appdir wins over both, and the installed texts stay available.
    where = ResolveAppLocation(program, (dir.Path() / "elsewhere").string(), config.string(), home.string());
    EXPECT_EQ(where.appDir, (dir.Path() / "elsewhere").string());
    EXPECT_EQ(where.dataDir, (dir.Path() / "usr" / "share" / "vpxds").string());
}

TEST(AppLocation, AProgramFolderTheUserMayNotWriteIsNoApplicationDirectory)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "every folder is writable for root";
    AppTestDir dir;
    const fs::path program = dir.Path() / "opt-bin";
    fs::create_directories(program);
    ::chmod(program.c_str(), 0555);
    const AppLocation where = ResolveAppLocation(program.string(), "", (dir.Path() / "cfg").string(), "");
    EXPECT_EQ(where.appDir, (dir.Path() / "cfg" / "vpxds").string());
    ::chmod(program.c_str(), 0755);
}

TEST(AppLocation, TextsComeFromTheApplicationDirectoryElseTheInstalledCopy)
{
    AppTestDir dir;
    const std::string program = InstallLayout(dir.Path() / "usr", "From the installed copy");
    const AppLocation where = ResolveAppLocation(program, "", (dir.Path() / "cfg").string(), "");
    const std::string oldData = g_strDataDir;
    g_strAppDir = where.appDir;
    g_strDataDir = where.dataDir;
    g_nLanguage = kLangEnglish;
    ResetLangTextCache();
    EXPECT_EQ(LanguageFilePath(), where.dataDir + "/language.sys");
    EXPECT_EQ(GetLangText(18), "From the installed copy");

    // A language.sys of the user's own in the application directory takes precedence.
    std::ofstream(fs::path(where.appDir) / "language.sys") << "[language]\n200018=The user's own\n";
    ResetLangTextCache();
    EXPECT_EQ(GetLangText(18), "The user's own");

    // Settings and marker files live in the application directory, never beside the program.
    EXPECT_TRUE(WriteSetting("computer", "com", "com4"));
    EXPECT_TRUE(fs::exists(fs::path(where.appDir) / "system.ini"));
    EXPECT_FALSE(fs::exists(fs::path(program) / "system.ini"));
    g_strDataDir = oldData;
}
