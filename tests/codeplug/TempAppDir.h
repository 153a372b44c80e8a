// Application directory of the code-plug tests: a small language.sys of its own with the few texts
// these tests read, English by default.
#pragma once

#include "tests/support/TestAppDir.h"

class TempAppDir : public TestAppDir {
public:
    explicit TempAppDir(int language = kLangEnglish);

    static constexpr const char* kNoToneEnglish = "None";
    static constexpr const char* kNoToneChinese = "\xE6\x97\xA0"; // UTF-8 of the Chinese "none"
};
