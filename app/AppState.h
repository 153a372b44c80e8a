// Application state fixed at start-up (model, language, directory, service flags) and read throughout the
// program.
#pragma once

#include <string>

// The build's model code. One build serves one model of the family.
inline constexpr const char* kBuildModelCode = "vpxds";
// Product names shown in the title, About box and printouts.
inline constexpr const char* kProductName = "VPXE+";
inline constexpr const char* kPrintModelName = "MX6+";

// Language bases: a text number plus the base is the key in language.sys.
inline constexpr int kLangChinese = 100000;
inline constexpr int kLangEnglish = 200000;

extern std::string g_strModel;     // the build's model code, lower case
extern std::string g_strModelCopy; // second copy read by the service functions; always equal to g_strModel
extern std::string g_strAppDir;    // application directory, no trailing separator
extern std::string g_strDataDir;   // installed read-only data (PREFIX/share/vpxds); empty when portable
extern std::string g_strVersion;   // "1.03"
extern int g_nLanguage;            // kLangChinese or kLangEnglish, never anything else
extern std::string g_strComPort;   // [computer] com as read
extern bool g_bLockInterface;      // interface lock
extern bool g_bTestEnabled;        // service functions unlocked
extern bool g_bServiceView;        // dialogs show their service area (exchange log, Test button)
extern bool g_bShowLangMenu;       // the language-switch menu item is shown
