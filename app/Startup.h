// Start-up decisions of the application object that need no window: state from settings and marker
// files, the menu pruning plan, the main window placement and the window title text.
#pragma once

#include <string>
#include <vector>

// The four family codes ("vpxds", "vpxc", "vpxb", "vpxa"): they read the language setting, have help
// and program files, and their service functions (the tuning window on Ctrl+M, the alignment data)
// check the radio's model tag.
bool IsFamilyCode(const std::string& model);

// Steps 2 to 8 of start-up: version, application directory, model code, marker files, port name,
// interface lock and language. Reads system.ini in appDir.
void InitAppState(const std::string& appDir);

// The same steps for a given model code (the build passes kBuildModelCode); lets the rules that
// depend on the model code ("vpxjrepair" lock, the four codes that read the language) be checked.
void InitAppStateFor(const std::string& appDir, const std::string& modelCode);

// The language base that a [language] language value selects for the four family codes: the
// value read as a C decimal number (leading blanks, sign, digits up to the first other character)
// gives English exactly when it is 200000, Chinese otherwise.
int LanguageFromSetting(const std::string& value);

// The language base that the user's locale selects while system.ini holds no [language] language
// entry: the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty decides, whether or not
// that locale is installed; a Chinese locale ("zh...") gives Chinese, any other locale English, and
// so does an environment without any of the three.
int LanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang);

// True when an [option] lock_interface value, trimmed, is exactly "yes".
bool LockFromSetting(const std::string& value);

// The command ids that start-up removes from the menu, in the order it removes them.
std::vector<int> RemovedMenuCommands();

struct WindowPlacement {
    int left;
    int top;
    int width;
    int height;
};
// 790 x 572, centred; top 12 pixels above centre; divisions truncate toward zero (may be negative).
WindowPlacement ComputeMainWindowPlacement(int screenWidth, int screenHeight);

// "VPXE+ V1.03    [UHF:400-470MHz]" from the band code and limits and the radio type.
std::string FormatWindowTitle(const std::string& bandCode, double lowerMHz, double upperMHz, int radioType);

// Help file of the model in the current language ("vpxds_c.chm" / "vpxds_e.chm"), empty for other codes.
std::string HelpFileName();

// Program file that a language switch restarts ("vpxds" for this build); empty for other codes.
std::string RestartProgramName();
