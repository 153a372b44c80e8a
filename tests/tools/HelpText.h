// What the programs say about themselves: the commands of vpxds-cli --help and the options each
// command's --help names, read by running the built programs.
#pragma once

#include <array>
#include <cstdio>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

// Standard output of a shell command.
inline std::string CommandOutput(const std::string& command)
{
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {};
    std::string out;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.append(buffer.data(), n);
    ::pclose(pipe);
    return out;
}

inline const std::string kCli = std::string(VPX_BIN_DIR) + "/vpxds-cli";

// The options a --help text gives: the --words of its usage lines ("usage: vpxds-cli ...", an
// indented "vpxds-cli ..." below it) and of its option lines (indented, beginning with "-"); the
// prose may name other commands' options. --help itself is left out: every command takes it.
inline std::set<std::string> OptionsIn(const std::string& text)
{
    const std::regex syntaxLine(R"(^(usage:|Usage:|\s+vpxds|\s+-).*)");
    const std::regex option(R"(--[a-z][a-z0-9-]*)");
    std::set<std::string> options;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!std::regex_match(line, syntaxLine))
            continue;
        for (std::sregex_iterator m(line.begin(), line.end(), option), end; m != end; ++m)
            if (m->str() != "--help")
                options.insert(m->str());
    }
    return options;
}

// The commands of the usage's list (a line of two blanks and the name) with the options of each
// command's own --help.
inline std::map<std::string, std::set<std::string>> CliCommands()
{
    std::map<std::string, std::set<std::string>> commands;
    std::istringstream usage(CommandOutput("'" + kCli + "' --help"));
    const std::regex entry(R"(^  ([a-z][a-z0-9-]*)\b.*)");
    std::smatch m;
    for (std::string line; std::getline(usage, line);)
        if (std::regex_match(line, m, entry))
            commands[m[1]] = OptionsIn(CommandOutput("'" + kCli + "' " + m[1].str() + " --help"));
    return commands;
}
