// The program's version: g_strVersion at start-up, --version of both programs, and the packages
// (the project's version in CMakeLists.txt and debian/changelog say the same).
#pragma once

#include <string>

inline constexpr const char* kProgramVersion = "1.03";

// "vpxds 1.03": what --version prints.
inline std::string ProgramVersionLine(const std::string& programName) { return programName + " " + kProgramVersion; }
