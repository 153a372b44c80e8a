// The manual pages say everything the programs' own --help says: each command of vpxds-cli has its
// entry, with every option and sub-command its --help names, and vpxds(1) every option of vpxds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/tools/HelpText.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A roff line as the reader sees it: no macro name, no font changes, quotes or escaped hyphens.
std::string Plain(std::string line)
{
    if (!line.empty() && line[0] == '.') {
        const std::size_t blank = line.find(' ');
        line = blank == std::string::npos ? std::string() : line.substr(blank + 1);
    }
    line = std::regex_replace(line, std::regex(R"(\\f[BIRP])"), "");
    line = std::regex_replace(line, std::regex(R"(\\-)"), "-");
    line = std::regex_replace(line, std::regex("\""), "");
    return line;
}

struct ManPage {
    std::vector<std::string> lines; // plain lines of one section
    std::vector<bool> term;         // the line names an entry (it follows .TP)
};

// The plain lines of the section .SH name.
ManPage Section(const std::string& source, const std::string& name)
{
    ManPage page;
    std::istringstream in(source);
    bool inside = false;
    bool nextIsTerm = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(".SH", 0) == 0) {
            inside = Plain(line) == name;
            continue;
        }
        if (!inside)
            continue;
        if (line == ".TP") {
            nextIsTerm = true;
            continue;
        }
        if (line.rfind(".\\\"", 0) == 0 || line == ".PD" || line == ".PD 0" || line == ".RS" || line == ".RE")
            continue;
        page.lines.push_back(Plain(line));
        page.term.push_back(nextIsTerm);
        nextIsTerm = false;
    }
    return page;
}

std::string FirstWord(const std::string& s) { return s.substr(0, s.find(' ')); }

bool Names(const std::string& text, const std::string& option)
{
    return std::regex_search(text, std::regex(option + R"((?![a-z0-9-]))"));
}

// What the man page lacks of what the commands' --help texts name: "command", "command --option"
// or "command sub-command".
std::vector<std::string> ManPageGaps(const std::string& source,
                                     const std::map<std::string, std::set<std::string>>& commands,
                                     const std::map<std::string, std::set<std::string>>& subcommands)
{
    const ManPage page = Section(source, "COMMANDS");
    std::vector<std::string> gaps;
    for (const auto& [command, options] : commands) {
        // The command's entry: from its first term to the term of another command.
        std::string entry;
        std::set<std::string> terms;
        bool inside = false;
        for (std::size_t i = 0; i < page.lines.size(); ++i) {
            if (page.term[i] && commands.count(FirstWord(page.lines[i])))
                inside = FirstWord(page.lines[i]) == command;
            if (!inside)
                continue;
            entry += page.lines[i] + "\n";
            if (page.term[i])
                terms.insert(page.lines[i]);
        }
        if (entry.empty()) {
            gaps.push_back(command);
            continue;
        }
        for (const std::string& option : options)
            if (!Names(entry, option))
                gaps.push_back(command + " " + option);
        auto subs = subcommands.find(command);
        if (subs == subcommands.end())
            continue;
        for (const std::string& sub : subs->second) {
            bool found = false;
            for (const std::string& term : terms)
                found = found || term.rfind(command + " " + sub, 0) == 0;
            if (!found)
                gaps.push_back(command + " " + sub);
        }
    }
    return gaps;
}

// Sub-commands a command's --help shows as "vpxds-cli COMMAND SUB" (align read, align write ...).
std::map<std::string, std::set<std::string>>
CliSubcommands(const std::map<std::string, std::set<std::string>>& commands)
{
    std::map<std::string, std::set<std::string>> subcommands;
    for (const auto& entry : commands) {
        const std::string help = CommandOutput("'" + kCli + "' " + entry.first + " --help");
        const std::regex sub("vpxds-cli " + entry.first + R"( ([a-z][a-z-]*))");
        for (std::sregex_iterator m(help.begin(), help.end(), sub), end; m != end; ++m)
            subcommands[entry.first].insert((*m)[1]);
    }
    return subcommands;
}

const fs::path kLinux = fs::path(VPX_SOURCE_DIR) / "res" / "linux";

} // namespace

TEST(ManualPages, EveryCommandAndOptionOfVpxdsCliHasItsEntry)
{
    const auto commands = CliCommands();
    ASSERT_GE(commands.size(), 10u) << "the usage lists the commands";
    ASSERT_TRUE(commands.count("sim") && commands.at("sim").count("--pace"))
        << "each command's --help is read";
    const auto subcommands = CliSubcommands(commands);
    EXPECT_TRUE(subcommands.count("align"));

    const std::string source = ReadText(kLinux / "vpxds-cli.1");
    for (const std::string& gap : ManPageGaps(source, commands, subcommands))
        ADD_FAILURE() << "vpxds-cli(1) does not describe: " << gap;
    // The options before the command (--appdir, --version) are under OPTIONS.
    std::string options;
    for (const std::string& line : Section(source, "OPTIONS").lines)
        options += line + "\n";
    for (const std::string& option : OptionsIn(CommandOutput("'" + kCli + "' --help")))
        EXPECT_TRUE(Names(options, option)) << "vpxds-cli(1) OPTIONS lacks " << option;

    // The check sees what a page leaves out: a command's entry, an option, a sub-command.
    const std::string withoutBackups = std::regex_replace(source, std::regex(R"(\.TP\n\.B backups\n)"), "");
    const std::string withoutTwice = std::regex_replace(source, std::regex(R"(\\-\\-twice)"), "");
    const std::string withoutAlignShow = std::regex_replace(source, std::regex("align show"), "align");
    const auto gaps = [&](const std::string& text) {
        const auto found = ManPageGaps(text, commands, subcommands);
        return std::set<std::string>(found.begin(), found.end());
    };
    EXPECT_EQ(gaps(withoutBackups), std::set<std::string>{"backups"});
    EXPECT_EQ(gaps(withoutTwice), std::set<std::string>{"read --twice"});
    EXPECT_EQ(gaps(withoutAlignShow), std::set<std::string>{"align show"});
}

TEST(ManualPages, EveryOptionOfVpxdsIsDescribed)
{
    const std::string program = std::string(VPX_BIN_DIR) + "/vpxds";
    if (!fs::exists(program))
        GTEST_SKIP() << "built without the window program";
    const std::set<std::string> options = OptionsIn(CommandOutput("'" + program + "' --help"));
    EXPECT_TRUE(options.count("--appdir") && options.count("--version")) << "vpxds --help is read";
    std::string described;
    for (const std::string& line : Section(ReadText(kLinux / "vpxds.1"), "OPTIONS").lines)
        described += line + "\n";
    for (const std::string& option : options)
        EXPECT_TRUE(Names(described, option)) << "vpxds(1) OPTIONS lacks " << option;
}
