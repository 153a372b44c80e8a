// The code-plug tests' application directory and its language.sys.
#include "TempAppDir.h"

TempAppDir::TempAppDir(int language) : TestAppDir("vpx-codeplug-")
{
    WriteFile("language.sys", std::string("[language]\n") + "190020=" + kNoToneChinese + "\n" +
                                  "290020=" + kNoToneEnglish + "\n" +
                                  "102011=\xE6\x96\x87\xE4\xBB\xB6\n"
                                  "202011=The data file cannot be opened.\n"
                                  "202014=The data file cannot be saved.\n"
                                  "202015=The data file is damaged.\n");
    g_nLanguage = language;
    ResetLangTextCache();
}
