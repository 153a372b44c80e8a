// Start-up state from system.ini and the marker files: language, interface lock, service flags,
// port name, and the settings helpers they use.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/AppState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "tests/app/AppTestDir.h"

namespace {

// Runs start-up on a system.ini holding only [language] language = value (as written in the file).
int LanguageFor(const AppTestDir& dir, const std::string& line)
{
    dir.WriteFile("system.ini", "[language]\n" + line + "\n");
    InitAppState(dir.Dir());
    return g_nLanguage;
}

bool LockFor(const AppTestDir& dir, const std::string& line, const std::string& model = kBuildModelCode)
{
    dir.WriteFile("system.ini", "[option]\n" + line + "\n");
    InitAppStateFor(dir.Dir(), model);
    return g_bLockInterface;
}

} // namespace

TEST(Settings, ReadAndWriteSystemIniInTheApplicationDirectory)
{
    AppTestDir dir;
    EXPECT_EQ(AppFilePath("system.ini"), dir.Dir() + "/system.ini");
    EXPECT_EQ(ReadSetting("computer", "com"), "");
    EXPECT_TRUE(WriteSetting("computer", "com", "com4"));
    EXPECT_TRUE(WriteSetting("option", "lock_interface", "no"));
    EXPECT_EQ(dir.ReadFile("system.ini"), "[computer]\ncom=com4\n[option]\nlock_interface=no\n");
    EXPECT_EQ(ReadSetting("Computer", "COM"), "com4");
    EXPECT_TRUE(WriteSetting("computer", "com", "com12"));
    EXPECT_EQ(ReadSetting("computer", "com"), "com12");
    // A refused write leaves the file as it was.
    EXPECT_FALSE(WriteSetting("computer", "com", "com1\ncom=com2"));
    EXPECT_EQ(ReadSetting("computer", "com"), "com12");

    // Before a directory is known, names stay relative to the current directory.
    g_strAppDir.clear();
    EXPECT_EQ(AppFilePath("system.ini"), "system.ini");
}

TEST(Settings, MarkerFilesCountOnlyWhenTheyCanBeOpened)
{
    AppTestDir dir;
    EXPECT_FALSE(MarkerPresent(kMarkerCrossBandWrite));
    dir.WriteFile(kMarkerCrossBandWrite, ""); // empty content is enough
    EXPECT_TRUE(MarkerPresent(kMarkerCrossBandWrite));
    EXPECT_TRUE(FileExists(dir.File(kMarkerCrossBandWrite)));
    EXPECT_FALSE(MarkerPresent(kMarkerLowCtcss));
    std::filesystem::create_directory(dir.File(kMarkerLowCtcss));
    EXPECT_FALSE(MarkerPresent(kMarkerLowCtcss)); // a folder of that name is no marker
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(MarkerPresent(nullptr));
    EXPECT_FALSE(MarkerPresent(""));
}

TEST(StartupState, LanguageSettingSelectsEnglishOnlyFor200000)
{
    AppTestDir dir;
    EXPECT_EQ(LanguageFor(dir, "language=200000"), kLangEnglish);
    EXPECT_EQ(LanguageFor(dir, "language =   200000   "), kLangEnglish);
    EXPECT_EQ(LanguageFor(dir, "Language=\t200000"), kLangEnglish);
    EXPECT_EQ(LanguageFor(dir, "language=+200000"), kLangEnglish);
    EXPECT_EQ(LanguageFor(dir, "language=0200000"), kLangEnglish);
    // The decimal conversion stops at the first character that is not a digit.
    EXPECT_EQ(LanguageFor(dir, "language=200000abc"), kLangEnglish);
    EXPECT_EQ(LanguageFor(dir, "language=2e5"), kLangChinese);
    EXPECT_EQ(LanguageFor(dir, "language=100000"), kLangChinese);
    EXPECT_EQ(LanguageFor(dir, "language=abc"), kLangChinese);
    EXPECT_EQ(LanguageFor(dir, "language="), kLangChinese);
    EXPECT_EQ(LanguageFor(dir, "language=-200000"), kLangChinese);
    EXPECT_EQ(LanguageFor(dir, "language=2000000"), kLangChinese);
    EXPECT_EQ(LanguageFor(dir, "language=200000200000200000200000"), kLangChinese);

    EXPECT_EQ(LanguageFromSetting(" 200000"), kLangEnglish);
    EXPECT_EQ(LanguageFromSetting("200000.0"), kLangEnglish);
    EXPECT_EQ(LanguageFromSetting("199999"), kLangChinese);

    // The other family codes read the setting too; any other model code is English without reading it.
    dir.WriteFile("system.ini", "[language]\nlanguage=100000\n");
    InitAppStateFor(dir.Dir(), "vpxa");
    EXPECT_EQ(g_nLanguage, kLangChinese);
    InitAppStateFor(dir.Dir(), "vpxjrepair");
    EXPECT_EQ(g_nLanguage, kLangEnglish);
    InitAppStateFor(dir.Dir(), "VPXDS"); // the comparison is exact
    EXPECT_EQ(g_nLanguage, kLangEnglish);
}

namespace {

// Sets LC_ALL, LC_MESSAGES and LANG for one case (nullptr: not set) and puts the old ones back.
class LocaleEnvironment {
public:
    LocaleEnvironment(const char* lcAll, const char* lcMessages, const char* lang)
    {
        for (int i = 0; i < 3; ++i) {
            const char* old = std::getenv(kNames[i]);
            m_old[i] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        }
        Set(lcAll, lcMessages, lang);
    }
    ~LocaleEnvironment()
    {
        for (int i = 0; i < 3; ++i) {
            if (m_old[i])
                ::setenv(kNames[i], m_old[i]->c_str(), 1);
            else
                ::unsetenv(kNames[i]);
        }
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

    void Set(const char* lcAll, const char* lcMessages, const char* lang)
    {
        const char* values[3] = {lcAll, lcMessages, lang};
        for (int i = 0; i < 3; ++i) {
            if (values[i] != nullptr)
                ::setenv(kNames[i], values[i], 1);
            else
                ::unsetenv(kNames[i]);
        }
    }

private:
    static constexpr const char* kNames[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::optional<std::string> m_old[3];
};

} // namespace

TEST(StartupState, LanguageFollowsTheLocaleUntilOneIsChosen)
{
    AppTestDir dir;
    LocaleEnvironment env(nullptr, nullptr, nullptr);
    // No system.ini: the locale decides, installed or not, and the choice is kept in the file.
    struct Case {
        const char* lang;
        int expected;
        const char* written;
    };
    for (const Case& c :
         {Case{"zh_CN.UTF-8", kLangChinese, "100000"}, Case{"zh_TW.Big5", kLangChinese, "100000"},
          Case{"zh", kLangChinese, "100000"}, Case{"en_US.UTF-8", kLangEnglish, "200000"},
          Case{"de_DE.UTF-8", kLangEnglish, "200000"}, Case{"C", kLangEnglish, "200000"},
          Case{"C.UTF-8", kLangEnglish, "200000"}}) {
        dir.Remove("system.ini");
        env.Set(nullptr, nullptr, c.lang);
        InitAppState(dir.Dir());
        EXPECT_EQ(g_nLanguage, c.expected) << c.lang;
        EXPECT_EQ(dir.ReadFile("system.ini"), std::string("[language]\nlanguage=") + c.written + "\n")
            << c.lang;
        // The next start keeps it, whatever the locale has become meanwhile.
        env.Set(nullptr, nullptr, c.expected == kLangChinese ? "en_US.UTF-8" : "zh_CN.UTF-8");
        InitAppState(dir.Dir());
        EXPECT_EQ(g_nLanguage, c.expected) << c.lang;
    }

    // LC_ALL before LC_MESSAGES before LANG; a variable set to nothing does not count.
    dir.Remove("system.ini");
    env.Set("en_US.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8");
    InitAppState(dir.Dir());
    EXPECT_EQ(g_nLanguage, kLangEnglish);
    dir.Remove("system.ini");
    env.Set("", "zh_TW.UTF-8", "de_DE.UTF-8");
    InitAppState(dir.Dir());
    EXPECT_EQ(g_nLanguage, kLangChinese);
    dir.Remove("system.ini");
    env.Set("", "", "");
    InitAppState(dir.Dir());
    EXPECT_EQ(g_nLanguage, kLangEnglish); // nothing set: the C locale

    // A file without the key: the locale decides and the key joins what the file holds.
    dir.WriteFile("system.ini", "[computer]\ncom=com2\n[language]\nother=200000\n");
    env.Set(nullptr, nullptr, "zh_CN.UTF-8");
    InitAppState(dir.Dir());
    EXPECT_EQ(g_nLanguage, kLangChinese);
    EXPECT_EQ(dir.ReadFile("system.ini"),
              "[computer]\ncom=com2\n[language]\nother=200000\nlanguage=100000\n");

    // Any value present, even an empty one, is a choice: the old rule, the file left alone.
    for (const char* lang : {"zh_CN.UTF-8", "en_US.UTF-8", "de_DE.UTF-8", "C"}) {
        env.Set(nullptr, nullptr, lang);
        for (const auto& [value, expected] : {std::pair<const char*, int>{"", kLangChinese},
                                              {"200000", kLangEnglish},
                                              {"100000", kLangChinese},
                                              {"abc", kLangChinese}}) {
            const std::string file = std::string("[language]\nlanguage=") + value + "\n";
            dir.WriteFile("system.ini", file);
            InitAppState(dir.Dir());
            EXPECT_EQ(g_nLanguage, expected) << lang << " '" << value << "'";
            EXPECT_EQ(dir.ReadFile("system.ini"), file);
        }
    }

    // Models outside the family are English and write nothing.
    dir.Remove("system.ini");
    env.Set(nullptr, nullptr, "zh_CN.UTF-8");
    InitAppStateFor(dir.Dir(), "vpxjrepair");
    EXPECT_EQ(g_nLanguage, kLangEnglish);
    EXPECT_FALSE(dir.Exists("system.ini"));

    EXPECT_EQ(LanguageFromLocale(nullptr, nullptr, "zh_CN.GB2312"), kLangChinese);
    EXPECT_EQ(LanguageFromLocale(nullptr, "en_GB.UTF-8", "zh_CN.UTF-8"), kLangEnglish);
    EXPECT_EQ(LanguageFromLocale(nullptr, nullptr, "ZH_CN"), kLangEnglish); // locale names are exact
    EXPECT_EQ(LanguageFromLocale(nullptr, nullptr, nullptr), kLangEnglish);
}

TEST(StartupState, InterfaceLockNeedsExactlyYesAfterTrimming)
{
    AppTestDir dir;
    EXPECT_TRUE(LockFor(dir, "lock_interface=yes"));
    EXPECT_TRUE(LockFor(dir, "lock_interface =   yes   "));
    EXPECT_TRUE(LockFor(dir, "LOCK_INTERFACE=\tyes"));
    EXPECT_FALSE(LockFor(dir, "lock_interface=Yes"));
    EXPECT_FALSE(LockFor(dir, "lock_interface=YES"));
    EXPECT_FALSE(LockFor(dir, "lock_interface=yes please"));
    EXPECT_FALSE(LockFor(dir, "lock_interface=no"));
    EXPECT_FALSE(LockFor(dir, "lock_interface="));
    EXPECT_FALSE(LockFor(dir, "other=yes"));
    // The repair build is always locked, whatever the file says.
    EXPECT_TRUE(LockFor(dir, "lock_interface=no", "vpxjrepair"));
    EXPECT_TRUE(LockFor(dir, "", "vpxjrepair"));
    // A second start-up clears a lock set by the first.
    EXPECT_TRUE(LockFor(dir, "lock_interface=yes"));
    dir.Remove("system.ini");
    InitAppState(dir.Dir());
    EXPECT_FALSE(g_bLockInterface);

    EXPECT_TRUE(LockFromSetting(" yes "));
    EXPECT_FALSE(LockFromSetting("yEs"));
}

TEST(StartupState, MarkerFilesSetTheServiceFlagsAndTheLanguageMenu)
{
    AppTestDir dir;
    InitAppState(dir.Dir());
    EXPECT_FALSE(g_bTestEnabled);
    EXPECT_FALSE(g_bServiceView);
    EXPECT_FALSE(g_bShowLangMenu);

    dir.WriteFile(kMarkerServiceUnlock, "anything");
    InitAppState(dir.Dir());
    EXPECT_TRUE(g_bTestEnabled);
    EXPECT_TRUE(g_bServiceView);
    EXPECT_FALSE(g_bShowLangMenu);

    dir.WriteFile(kMarkerLanguageMenu, "");
    dir.Remove(kMarkerServiceUnlock);
    InitAppState(dir.Dir());
    EXPECT_FALSE(g_bTestEnabled);
    EXPECT_FALSE(g_bServiceView);
    EXPECT_TRUE(g_bShowLangMenu);

    dir.Remove(kMarkerLanguageMenu);
    InitAppState(dir.Dir());
    EXPECT_FALSE(g_bShowLangMenu);

    // The two markers that are tested later do not switch anything at start-up.
    dir.WriteFile(kMarkerLowCtcss, "");
    dir.WriteFile(kMarkerCrossBandWrite, "");
    InitAppState(dir.Dir());
    EXPECT_FALSE(g_bTestEnabled);
    EXPECT_FALSE(g_bShowLangMenu);
}

TEST(StartupState, VersionDirectoryModelAndPort)
{
    AppTestDir dir;
    g_strVersion = "9.99";
    g_strModel = "other";
    g_strModelCopy = "other";
    dir.WriteFile("system.ini", "[computer]\ncom = COM3 \n");
    InitAppState(dir.Dir() + "/");
    EXPECT_EQ(g_strVersion, "1.03");
    EXPECT_EQ(g_strAppDir, dir.Dir()); // no trailing separator
    EXPECT_EQ(g_strModel, "vpxds");
    EXPECT_EQ(g_strModelCopy, "vpxds");
    EXPECT_EQ(g_strComPort, "COM3"); // as read, case kept

    // A second start-up without a port clears it; settings files elsewhere are not read.
    dir.Remove("system.ini");
    InitAppState(dir.Dir());
    EXPECT_EQ(g_strComPort, "");
    AppTestDir other;
    other.WriteFile("system.ini", "[computer]\ncom=com9\n");
    InitAppState(dir.Dir());
    EXPECT_EQ(g_strComPort, "");
}
