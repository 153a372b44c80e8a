// Application directory of the channel-editor tests: a copy of language.sys, and system.ini and
// marker files as a test writes them.
#pragma once

#include "tests/support/TestAppDir.h"

class ChanEditTestDir : public TestAppDir {
public:
    explicit ChanEditTestDir(int language = kLangEnglish) : TestAppDir("vpx-chanedit-", Texts::Project)
    {
        g_nLanguage = language;
    }
    void AllowIllegalTones() const { WriteFile("system.ini", "[option]\nallow_illegal_qtdqt=yes\n"); }
};
