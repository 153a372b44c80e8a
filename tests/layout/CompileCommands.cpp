// Reading compile_commands.json: an array of flat objects whose values are all strings.
#include "tests/layout/CompileCommands.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

void SkipBlanks(const std::string& text, std::size_t& at)
{
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0)
        ++at;
}

// A JSON string starting at text[at] (the opening quote); at moves past the closing quote.
bool ReadString(const std::string& text, std::size_t& at, std::string& value)
{
    if (at >= text.size() || text[at] != '"')
        return false;
    value.clear();
    for (++at; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            ++at;
            return true;
        }
        if (c == '\\') {
            if (++at >= text.size())
                return false;
            const char e = text[at];
            value += e == 'n' ? '\n' : e == 't' ? '\t' : e; // \" \\ \/ stand for themselves
        } else {
            value += c;
        }
    }
    return false;
}

bool ReadEntry(const std::string& text, std::size_t& at, CompileCommand& entry)
{
    ++at; // the opening brace
    for (;;) {
        SkipBlanks(text, at);
        if (at < text.size() && text[at] == '}') {
            ++at;
            return true;
        }
        std::string key, value;
        if (!ReadString(text, at, key))
            return false;
        SkipBlanks(text, at);
        if (at >= text.size() || text[at++] != ':')
            return false;
        SkipBlanks(text, at);
        if (!ReadString(text, at, value))
            return false;
        if (key == "directory")
            entry.directory = value;
        else if (key == "command")
            entry.command = value;
        else if (key == "file")
            entry.file = value;
        else if (key == "output")
            entry.output = value;
        SkipBlanks(text, at);
        if (at < text.size() && text[at] == ',')
            ++at;
    }
}

} // namespace

bool ReadCompileCommands(const std::string& path, std::vector<CompileCommand>& commands, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot be read";
        return false;
    }
    std::ostringstream whole;
    whole << in.rdbuf();
    const std::string text = whole.str();
    commands.clear();
    std::size_t at = 0;
    SkipBlanks(text, at);
    if (at >= text.size() || text[at++] != '[') {
        error = path + ": no array of compile commands";
        return false;
    }
    for (;;) {
        SkipBlanks(text, at);
        if (at < text.size() && text[at] == ']')
            return true;
        CompileCommand entry;
        if (at >= text.size() || text[at] != '{' || !ReadEntry(text, at, entry)) {
            error = path + ": unreadable entry near byte " + std::to_string(at);
            return false;
        }
        if (entry.output.empty()) {
            // Older CMake writes no "output": the object follows -o on the command line.
            const std::vector<std::string> words = SplitCommandLine(entry.command);
            for (std::size_t i = 0; i + 1 < words.size(); ++i) {
                if (words[i] == "-o")
                    entry.output = words[i + 1];
            }
        }
        commands.push_back(entry);
        SkipBlanks(text, at);
        if (at < text.size() && text[at] == ',')
            ++at;
    }
}

std::string TargetOf(const CompileCommand& entry)
{
    const std::string marker = "CMakeFiles/";
    const std::size_t start = entry.output.rfind(marker);
    if (start == std::string::npos)
        return {};
    const std::size_t name = start + marker.size();
    const std::size_t end = entry.output.find(".dir/", name);
    return end == std::string::npos ? std::string() : entry.output.substr(name, end - name);
}

std::vector<std::string> SplitCommandLine(const std::string& command)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (std::size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
            else if (c == '\\' && quote == '"' && i + 1 < command.size())
                word += command[++i];
            else
                word += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            inWord = true;
        } else if (c == '\\' && i + 1 < command.size()) {
            word += command[++i];
            inWord = true;
        } else if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

std::vector<std::string> HeaderSearchArguments(const CompileCommand& entry)
{
    const std::vector<std::string> words = SplitCommandLine(entry.command);
    std::vector<std::string> args;
    std::size_t i = 0;
    // A compiler launcher (ccache) comes before the compiler.
    if (words.size() > 1 && std::filesystem::path(words[0]).filename() == "ccache")
        i = 1;
    if (i < words.size())
        args.push_back(words[i++]);
    for (; i < words.size(); ++i) {
        const std::string& w = words[i];
        const bool withValue = w == "-isystem" || w == "-iquote" || w == "-idirafter" || w == "-isysroot" ||
                               w == "-I" || w == "--sysroot" || w == "-include";
        if (withValue && i + 1 < words.size()) {
            args.push_back(w);
            args.push_back(words[++i]);
        } else if (w.rfind("-I", 0) == 0 || w.rfind("-std=", 0) == 0 || w.rfind("--sysroot=", 0) == 0 ||
                   w == "-nostdinc" || w == "-nostdinc++") {
            args.push_back(w);
        }
    }
    return args;
}
