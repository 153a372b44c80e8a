// Start-up decisions that need no window: application state from the settings and marker files,
// which menu commands start-up removes, where the main window goes and what its title reads.
#include "app/Startup.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "app/AppState.h"
#include "app/CommandIds.h"
#include "app/IniFile.h"
#include "app/Settings.h"
#include "app/Version.h"

bool IsFamilyCode(const std::string& model)
{
    return model == "vpxds" || model == "vpxc" || model == "vpxb" || model == "vpxa";
}

namespace {

std::string TrimBlanks(const std::string& s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

std::string FormatG(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

constexpr int kWindowWidth = 790;
constexpr int kWindowHeight = 572;

} // namespace

int LanguageFromSetting(const std::string& value)
{
    // Decimal conversion as atoi does it, but saturating instead of overflowing.
    std::size_t i = 0;
    while (i < value.size() && std::isspace(static_cast<unsigned char>(value[i])))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    long long n = 0;
    for (; i < value.size() && std::isdigit(static_cast<unsigned char>(value[i])); ++i) {
        n = n * 10 + (value[i] - '0');
        if (n > 10000000000LL)
            break;
    }
    if (negative)
        n = -n;
    return n == kLangEnglish ? kLangEnglish : kLangChinese;
}

int LanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang)
{
    for (const char* name : {lcAll, lcMessages, lang}) {
        if (name != nullptr && *name != '\0')
            return std::string(name).rfind("zh", 0) == 0 ? kLangChinese : kLangEnglish;
    }
    return kLangEnglish;
}

bool LockFromSetting(const std::string& value) { return TrimBlanks(value) == "yes"; }

void InitAppStateFor(const std::string& appDir, const std::string& modelCode)
{
    g_strVersion = kProgramVersion;

    std::string dir = appDir;
    while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\'))
        dir.pop_back();
    g_strAppDir = dir;

    g_strModel = modelCode;
    g_strModelCopy = modelCode;

    const bool unlocked = MarkerPresent(kMarkerServiceUnlock);
    g_bTestEnabled = unlocked;
    g_bServiceView = unlocked;
    g_bShowLangMenu = MarkerPresent(kMarkerLanguageMenu);

    g_strComPort = ReadSetting("computer", "com");

    if (modelCode == "vpxjrepair")
        g_bLockInterface = true;
    else
        g_bLockInterface = LockFromSetting(ReadSetting("option", "lock_interface"));

    if (IsFamilyCode(modelCode) && IniFile(AppFilePath("system.ini")).Has("language", "language")) {
        g_nLanguage = LanguageFromSetting(ReadSetting("language", "language"));
    } else if (IsFamilyCode(modelCode)) {
        // Nothing chosen yet: the desktop's language, kept from now on as if it had been chosen.
        g_nLanguage =
            LanguageFromLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
        WriteSetting("language", "language", std::to_string(g_nLanguage));
    } else
        g_nLanguage = kLangEnglish;
}

void InitAppState(const std::string& appDir) { InitAppStateFor(appDir, kBuildModelCode); }

std::vector<int> RemovedMenuCommands()
{
    std::vector<int> ids{cmd::kOptionalFunctions, cmd::kKeyAssignment};
    if (g_bShowLangMenu)
        ids.push_back(g_nLanguage == kLangEnglish ? cmd::kLangEnglish : cmd::kLangChinese);
    else {
        ids.push_back(cmd::kLangEnglish);
        ids.push_back(cmd::kLangChinese);
    }
    for (int id : {cmd::kTestMode, cmd::kBatchWriteTest, cmd::kTestPassword, cmd::kModelInfo,
                   cmd::kRwPassword, cmd::kHelpTopics})
        ids.push_back(id);
    // The menu is built without the diagnostic popup, so nothing else needs removing.
    return ids;
}

WindowPlacement ComputeMainWindowPlacement(int screenWidth, int screenHeight)
{
    // Integer division in C++ truncates toward zero, which is the placement rule; no clamping.
    return {(screenWidth - kWindowWidth) / 2, (screenHeight - kWindowHeight) / 2 - 12, kWindowWidth,
            kWindowHeight};
}

std::string FormatWindowTitle(const std::string& bandCode, double lowerMHz, double upperMHz, int radioType)
{
    char version[32];
    std::snprintf(version, sizeof version, "%.2f", std::strtod(g_strVersion.c_str(), nullptr));
    std::string title = std::string(kProductName) + " V" + version + "    [";
    title += lowerMHz >= 350.0 ? "UHF:" : "VHF:";

    std::string model = g_strModel;
    for (char& c : model)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (bandCode == "F9" || model == "QX")
        title += "446MHz]";
    else if (bandCode == "FA")
        title += "433MHz]";
    else if (bandCode == "FB")
        title += "476-478MHz]";
    else if (bandCode == "FC" && radioType >= 2)
        title += "462-468MHz]";
    else
        title += FormatG(lowerMHz) + "-" + FormatG(upperMHz) + "MHz]";
    return title;
}

std::string HelpFileName()
{
    if (!IsFamilyCode(g_strModel))
        return {};
    return g_strModel + (g_nLanguage == kLangEnglish ? "_e.chm" : "_c.chm");
}

std::string RestartProgramName() { return IsFamilyCode(g_strModel) ? g_strModel : std::string(); }
