// The line between the core and the Qt code, checked on the sources and on the build: no file outside
// a qt/ folder includes Qt or a qt/ file, the core libraries are compiled without Qt's headers in
// reach, and the core configures and compiles its every file with Qt absent (its link library without
// the editor's).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "tests/layout/CompileCommands.h"
#include "tests/layout/IncludeScan.h"
#include "tests/layout/LinkGraph.h"

namespace fs = std::filesystem;

namespace {

const std::string kSourceDir = VPX_SOURCE_DIR;
const std::string kBuildDir = VPX_BUILD_DIR;

// The subsystem folders whose files outside qt/ form the core, and the tests that mirror them.
const std::vector<std::string> kSubsystems = {"app",   "codeplug", "link",    "editor",
                                              "print", "service",  "history", "fleet"};
const std::vector<std::string> kCoreLibraries = {"vpx_appcore",   "vpx_codeplug", "vpx_link",    "vpx_editorcore",
                                                 "vpx_printcore", "vpx_service",  "vpx_history", "vpx_fleet"};

// A folder of its own under the system's temporary folder, removed with the object.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& prefix)
    {
        std::random_device rd;
        std::ostringstream name;
        name << prefix << std::hex << rd() << rd();
        m_path = fs::temp_directory_path() / name.str();
        fs::create_directories(m_path);
    }
    ~ScratchDir()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const fs::path& Path() const { return m_path; }

    void Write(const std::string& relative, const std::string& text) const
    {
        fs::create_directories((m_path / relative).parent_path());
        std::ofstream(m_path / relative) << text;
    }

private:
    fs::path m_path;
};

std::string Quote(const std::string& word)
{
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the words as a command in directory, its output into log; the exit code (-1: it did not end).
int RunCommand(const std::vector<std::string>& words, const std::string& directory, const fs::path& log)
{
    // Appended piece by piece: GCC 12 warns (-Wrestrict) about a literal put in front of a temporary.
    std::string command = "cd ";
    command += Quote(directory);
    command += " &&";
    for (const std::string& w : words) {
        command += ' ';
        command += Quote(w);
    }
    command += " >";
    command += Quote(log.string());
    command += " 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Describe(const std::vector<IncludeFault>& faults)
{
    std::string text;
    for (const IncludeFault& f : faults)
        text += "\n  " + f.file + ":" + std::to_string(f.line) + ": " + f.include;
    return text;
}

// The source relative to the source folder, or empty when the entry compiles something else (a
// generated file, a file outside the tree).
std::string SourceInTree(const CompileCommand& entry)
{
    const fs::path relative = fs::path(entry.file).lexically_relative(kSourceDir);
    const std::string text = relative.generic_string();
    return relative.empty() || text.rfind("..", 0) == 0 ? std::string() : text;
}

bool InSubsystem(const std::string& relative)
{
    const std::string top = relative.substr(0, relative.find('/'));
    return std::find(kSubsystems.begin(), kSubsystems.end(), top) != kSubsystems.end();
}

// True when the header resolves with the entry's header search (preprocessing a file that includes it).
bool FindsHeader(const CompileCommand& entry, const std::string& header, const ScratchDir& scratch)
{
    std::string probe = "probe-";
    probe += std::to_string(std::hash<std::string>{}(header));
    probe += ".cpp";
    scratch.Write(probe, "#include <" + header + ">\n");
    std::vector<std::string> words = HeaderSearchArguments(entry);
    for (const char* w : {"-E", "-x", "c++", "-o", "/dev/null"})
        words.emplace_back(w);
    words.push_back((scratch.Path() / probe).string());
    return RunCommand(words, entry.directory, scratch.Path() / "probe.log") == 0;
}

} // namespace

TEST(CoreLine, NoFileOutsideAQtFolderIncludesQtOrAQtFile)
{
    // The scan finds what it is meant to find: a Qt header and a qt/ file included by core files, and
    // nothing in a clean core file, in a qt/ folder or in a comment.
    ScratchDir planted("vpx-coreline-");
    planted.Write("app/Clean.cpp", "#include <vector>\n#include \"app/Settings.h\"\n// #include <QString>\n");
    planted.Write("app/Widget.cpp", "#include <string>\n  #  include <QString>\n");
    planted.Write("link/Reach.h", "#pragma once\n#include \"link/qt/ReadDialog.h\"\n");
    planted.Write("link/Module.h", "#include <QtCore/QObject>\n");
    planted.Write("editor/qt/Page.cpp", "#include <QWidget>\n#include \"editor/qt/Page.h\"\n");
    planted.Write("service/Sheet.cpp", "#include \"qt/Grid.h\"\n");
    const std::vector<IncludeFault> found = FindCoreIncludeFaults(planted.Path().string(), kSubsystems);
    ASSERT_EQ(found.size(), 4u) << Describe(found);
    EXPECT_EQ(found[0].file, "app/Widget.cpp");
    EXPECT_EQ(found[0].line, 2);
    EXPECT_EQ(found[0].include, "QString");
    EXPECT_EQ(found[1].file, "link/Module.h");
    EXPECT_EQ(found[2].file, "link/Reach.h");
    EXPECT_EQ(found[2].include, "link/qt/ReadDialog.h");
    EXPECT_EQ(found[3].file, "service/Sheet.cpp");

    // The project's own sources: the subsystems and the tests that mirror them.
    std::vector<std::string> folders = kSubsystems;
    folders.push_back("tests");
    const std::vector<IncludeFault> faults = FindCoreIncludeFaults(kSourceDir, folders);
    EXPECT_TRUE(faults.empty()) << "files outside a qt/ folder that reach Qt:" << Describe(faults);
}

TEST(CoreLine, CoreLibrariesAreBuiltWithoutQtHeadersInReach)
{
    std::vector<CompileCommand> commands;
    std::string error;
    ASSERT_TRUE(ReadCompileCommands(kBuildDir + "/compile_commands.json", commands, error)) << error;
    ScratchDir scratch("vpx-coreline-probe-");

    std::map<std::string, int> compiledBy; // core library -> sources it compiles
    const CompileCommand* qtEntry = nullptr;
    for (const CompileCommand& entry : commands) {
        const std::string target = TargetOf(entry);
        if (target == "vpx_gui")
            qtEntry = &entry;
        if (std::find(kCoreLibraries.begin(), kCoreLibraries.end(), target) == kCoreLibraries.end())
            continue;
        ++compiledBy[target];
        const std::string source = SourceInTree(entry);
        EXPECT_FALSE(source.empty() || IsInQtFolder(source)) << target << " compiles " << entry.file;
        EXPECT_FALSE(FindsHeader(entry, "QtGlobal", scratch))
            << target << " finds Qt's headers when it compiles " << entry.file;
    }
    for (const std::string& library : kCoreLibraries) {
        EXPECT_GT(compiledBy[library], 0) << library << " compiles nothing in this build";
    }

    // The probe itself: the same compiler finds the standard library, and, in a build with the Qt
    // programs, the window library's flags do find Qt.
    ASSERT_FALSE(commands.empty());
    EXPECT_TRUE(FindsHeader(commands.front(), "vector", scratch)) << ReadWhole(scratch.Path() / "probe.log");
    if (qtEntry != nullptr) {
        EXPECT_TRUE(FindsHeader(*qtEntry, "QtGlobal", scratch)) << ReadWhole(scratch.Path() / "probe.log");
    }
}

TEST(CoreLine, CoreConfiguresWithQtAbsentAndCompilesEveryCoreFile)
{
    ScratchDir build("vpx-coreline-build-");
    const fs::path log = build.Path() / "configure.log";
    std::string graphviz = "--graphviz="; // the libraries' link graph, for the layers above the line
    graphviz += (build.Path() / "links.dot").string();
    const int configured =
        RunCommand({VPX_CMAKE_COMMAND, "-S", kSourceDir, "-B", build.Path().string(), "-G",
                    VPX_CMAKE_GENERATOR, "-DCMAKE_CXX_COMPILER=" VPX_CXX_COMPILER, "-DVPX_GUI=OFF", graphviz},
                   kSourceDir, log);
    ASSERT_EQ(configured, 0) << ReadWhole(log);

    // The radio link compares code plugs with codeplug/ alone: its library reaches no editor library.
    LinkGraph links;
    ASSERT_TRUE(links.Parse(ReadWhole(build.Path() / "links.dot")));
    ASSERT_TRUE(links.Has("vpx_link") && links.Has("vpx_editorcore"));
    EXPECT_FALSE(links.Reaches("vpx_link", "vpx_editorcore")) << "vpx_link links the editor's library";
    EXPECT_TRUE(links.Reaches("vpx_link", "vpx_codeplug"));

    std::vector<CompileCommand> commands;
    std::string error;
    ASSERT_TRUE(ReadCompileCommands((build.Path() / "compile_commands.json").string(), commands, error))
        << error;
    std::set<std::string> compiled, targets;
    for (const CompileCommand& entry : commands) {
        const std::string source = SourceInTree(entry);
        targets.insert(TargetOf(entry));
        if (InSubsystem(source))
            compiled.insert(source);
    }
    for (const std::string& library : kCoreLibraries) {
        EXPECT_EQ(targets.count(library), 1u) << library << " is missing from the build without Qt";
    }

    // Every C++ source outside the qt/ folders is compiled, and nothing from inside them.
    std::set<std::string> core;
    for (const std::string& folder : kSubsystems) {
        for (const auto& item : fs::recursive_directory_iterator(fs::path(kSourceDir) / folder)) {
            const std::string relative = fs::relative(item.path(), kSourceDir).generic_string();
            if (item.path().extension() == ".cpp" && !IsInQtFolder(relative))
                core.insert(relative);
        }
    }
    std::vector<std::string> missing, extra;
    std::set_difference(core.begin(), core.end(), compiled.begin(), compiled.end(),
                        std::back_inserter(missing));
    std::set_difference(compiled.begin(), compiled.end(), core.begin(), core.end(),
                        std::back_inserter(extra));
    EXPECT_TRUE(missing.empty()) << "core files no target compiles without Qt: "
                                 << ::testing::PrintToString(missing);
    EXPECT_TRUE(extra.empty()) << "qt/ files compiled without Qt: " << ::testing::PrintToString(extra);
}
