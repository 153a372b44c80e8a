// The window program's command line: a data file to open, its options, and --help and --version,
// which answer without a display.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include <sys/wait.h>

#include "app/Version.h"
#include "app/WindowArgs.h"

namespace {

// Runs a shell command; its exit code and standard output.
std::pair<int, std::string> RunShell(const std::string& command)
{
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {-1, {}};
    std::string out;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

} // namespace

TEST(WindowArgs, AFileTheOptionsAndMistakes)
{
    WindowArgs a = ParseWindowArgs({"plan.dat"});
    EXPECT_EQ(a.file, "plan.dat");
    EXPECT_EQ(a.error, "");
    a = ParseWindowArgs({"--appdir", "/tmp/x", "--screenshot", "shot.png", "--measure-startup", "a b.dat"});
    EXPECT_EQ(a.appDir, "/tmp/x");
    EXPECT_EQ(a.screenshot, "shot.png");
    EXPECT_TRUE(a.measureStartup);
    EXPECT_EQ(a.file, "a b.dat");
    EXPECT_FALSE(a.help || a.version);

    EXPECT_NE(ParseWindowArgs({"--appdir"}).error, "");
    EXPECT_NE(ParseWindowArgs({"--frobnicate"}).error, "");
    EXPECT_NE(ParseWindowArgs({"one.dat", "two.dat"}).error, "");
    // --help and --version are seen whatever else the line holds.
    a = ParseWindowArgs({"--frobnicate", "-h"});
    EXPECT_TRUE(a.help);
    EXPECT_TRUE(ParseWindowArgs({"x.dat", "y.dat", "--version"}).version);

    EXPECT_EQ(WindowUsageText().rfind("Usage: vpxds ", 0), 0u);
    EXPECT_EQ(ProgramVersionLine("vpxds"),
              std::string("vpxds ") + VPX_PROJECT_VERSION); // the packages' version
}

TEST(WindowArgs, HelpAndVersionAnswerWithoutADisplay)
{
    const std::string program = std::string(VPX_BIN_DIR) + "/vpxds";
    if (!std::filesystem::exists(program))
        GTEST_SKIP() << "built without the window program";
    // No display and the X11 platform: a program that opened a window would fail here.
    const std::string env = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb '" + program + "' ";
    auto [code, out] = RunShell(env + "--help 2>/dev/null");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(out.rfind("Usage: vpxds", 0), 0u) << out;
    EXPECT_NE(out.find("--appdir DIR"), std::string::npos);
    std::tie(code, out) = RunShell(env + "-h 2>/dev/null");
    EXPECT_EQ(code, 0);
    std::tie(code, out) = RunShell(env + "--version 2>/dev/null");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(out, std::string("vpxds ") + VPX_PROJECT_VERSION + "\n");
    // A wrong option is refused with the usage (exit code 2), before any window opens.
    std::tie(code, out) = RunShell("env QT_QPA_PLATFORM=offscreen '" + program + "' --frobnicate 2>&1");
    EXPECT_EQ(code, 2);
    EXPECT_NE(out.find("Usage: vpxds"), std::string::npos) << out;
}
