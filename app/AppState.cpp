// Storage of the application state.
#include "app/AppState.h"

#include "app/Version.h"

std::string g_strModel = kBuildModelCode;
std::string g_strModelCopy = kBuildModelCode;
std::string g_strAppDir;
std::string g_strDataDir;
std::string g_strVersion = kProgramVersion;
int g_nLanguage = kLangChinese;
std::string g_strComPort;
bool g_bLockInterface = false;
bool g_bTestEnabled = false;
bool g_bServiceView = false;
bool g_bShowLangMenu = false;
