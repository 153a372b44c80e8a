// The bash completion of vpxds-cli, run as bash runs it while a user presses Tab: it offers every
// command of vpxds-cli --help, each command's options, the sub-commands, ports and file names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/support/TestAppDir.h"
#include "tests/tools/HelpText.h"

namespace {

const std::string kScript = std::string(VPX_SOURCE_DIR) + "/res/linux/vpxds-cli.bash";

std::string Quote(const std::string& s) { return "'" + s + "'"; }

// The words offered for the last of `words` (the word being typed, "" for a new one), in `dir`.
std::set<std::string> Complete(const std::vector<std::string>& words, const std::string& dir = "/")
{
    std::string line = Quote(kCli);
    // Appended piece by piece: GCC 12 takes " " + text for an overlapping copy in a Release build.
    for (const std::string& w : words)
        line.append(" ").append(Quote(w));
    const std::string script =
        "source " + Quote(kScript) + "; COMP_WORDS=(" + line +
        "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _vpxds_cli; printf '%s\\n' \"${COMPREPLY[@]}\"";
    std::istringstream out(CommandOutput("cd " + Quote(dir) + " && bash --norc --noprofile -c " +
                                         Quote(std::regex_replace(script, std::regex("'"), "'\\''")) +
                                         " 2>/dev/null"));
    std::set<std::string> offered;
    for (std::string word; std::getline(out, word);)
        if (!word.empty())
            offered.insert(word);
    return offered;
}

} // namespace

TEST(ShellCompletion, OffersEveryCommandOptionPortAndFile)
{
    if (CommandOutput("command -v bash").empty())
        GTEST_SKIP() << "no bash";
    const auto commands = CliCommands();
    ASSERT_GE(commands.size(), 10u);
    const std::set<std::string> first = Complete({""});
    for (const auto& [command, options] : commands) {
        EXPECT_TRUE(first.count(command)) << "command " << command;
        const std::set<std::string> offered = Complete({command, "--"});
        for (const std::string& option : options)
            EXPECT_TRUE(offered.count(option)) << command << " " << option;
    }
    EXPECT_TRUE(first.count("--appdir") && first.count("--version"));
    EXPECT_EQ(Complete({"sh"}), std::set<std::string>{"show"});
    EXPECT_EQ(Complete({"--appdir", "/tmp", "imp"}), std::set<std::string>{"import-csv"});

    // Sub-commands, the values of --port and --lang, the COM names of port.
    EXPECT_EQ(Complete({"align", ""}), (std::set<std::string>{"export", "read", "show", "write"}));
    const std::set<std::string> ports = Complete({"read", "--port", ""});
    EXPECT_TRUE(ports.count("com1") && ports.count("com16") && ports.count("simulator"));
    EXPECT_EQ(Complete({"report", "a.dat", "b.pdf", "--lang", ""}), (std::set<std::string>{"en", "zh"}));
    EXPECT_TRUE(Complete({"port", ""}).count("none"));

    // File names where a command takes files, and none for a value that is no file.
    TestAppDir dir("vpx-completion-");
    dir.WriteFile("plan.dat", "");
    dir.WriteFile("plan.csv", "");
    std::filesystem::create_directory(dir.Path() / "radios");
    EXPECT_EQ(Complete({"show", "pl"}, dir.Dir()), (std::set<std::string>{"plan.csv", "plan.dat"}));
    EXPECT_EQ(Complete({"import-csv", "plan.dat", "plan.c"}, dir.Dir()), std::set<std::string>{"plan.csv"});
    EXPECT_EQ(Complete({"sim", "--image", "plan.d"}, dir.Dir()), std::set<std::string>{"plan.dat"});
    EXPECT_EQ(Complete({"--appdir", "ra"}, dir.Dir()), std::set<std::string>{"radios"});
    EXPECT_EQ(Complete({"new", "--band", ""}, dir.Dir()), std::set<std::string>{});
}
