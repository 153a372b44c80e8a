// Application directory of the editor-page tests: a copy of language.sys and nothing else.
#pragma once

#include "tests/support/TestAppDir.h"

class PageTestDir : public TestAppDir {
public:
    explicit PageTestDir(int language = kLangEnglish) : TestAppDir("vpx-page-", Texts::Project)
    {
        g_nLanguage = language;
        g_bLockInterface = false;
    }
};
