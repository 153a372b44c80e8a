// Application directory of the application-shell tests: created empty.
#pragma once

#include "tests/support/TestAppDir.h"

class AppTestDir : public TestAppDir {
public:
    AppTestDir() : TestAppDir("vpx-app-test-") {}
};
