// The layers above the core line: the radio link compares code plugs without the editor, and the
// windows of every subsystem stand on the shared helpers (app/qt/ui) beneath them and never reach the
// main window or its commands (app/qt) above them. Checked on the sources and on the libraries.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/layout/CompileCommands.h"
#include "tests/layout/IncludeScan.h"
#include "tests/layout/LinkGraph.h"

namespace fs = std::filesystem;

namespace {

const std::string kSourceDir = VPX_SOURCE_DIR;
const std::string kBuildDir = VPX_BUILD_DIR;

// A tree of planted sources under the system's temporary folder, removed with the object.
class PlantedTree {
public:
    PlantedTree()
    {
        std::random_device rd;
        std::ostringstream name;
        name << "vpx-layers-" << std::hex << rd() << rd();
        m_path = fs::temp_directory_path() / name.str();
    }
    ~PlantedTree()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    PlantedTree(const PlantedTree&) = delete;
    PlantedTree& operator=(const PlantedTree&) = delete;
    std::string Root() const { return m_path.string(); }

    void Write(const std::string& relative, const std::string& text) const
    {
        fs::create_directories((m_path / relative).parent_path());
        std::ofstream(m_path / relative) << text;
    }

private:
    fs::path m_path;
};

std::string Describe(const std::vector<IncludeFault>& faults)
{
    std::string text;
    for (const IncludeFault& f : faults)
        text += "\n  " + f.file + ":" + std::to_string(f.line) + ": " + f.include;
    return text;
}

} // namespace

TEST(Layers, TheRadioLinkIncludesNothingOfTheEditor)
{
    PlantedTree planted;
    planted.Write("link/Write.cpp",
                  "#include \"codeplug/CodePlugDiff.h\"\n#include \"editor/ChannelRules.h\"\n");
    planted.Write("link/qt/Dialog.cpp",
                  "#include \"app/qt/ui/MsgBox.h\"\n#include \"editor/qt/CMainFrm.h\"\n");
    planted.Write("print/Report.cpp", "#include \"editor/ChannelRules.h\"\n");
    const std::vector<IncludeFault> found = FindFolderIncludeFaults(planted.Root(), "link", "editor");
    ASSERT_EQ(found.size(), 2u) << Describe(found);
    EXPECT_EQ(found[0].file, "link/Write.cpp");
    EXPECT_EQ(found[0].line, 2);
    EXPECT_EQ(found[1].file, "link/qt/Dialog.cpp");
    EXPECT_EQ(found[1].include, "editor/qt/CMainFrm.h");

    const std::vector<IncludeFault> faults = FindFolderIncludeFaults(kSourceDir, "link", "editor");
    EXPECT_TRUE(faults.empty()) << "files of the radio link that reach the editor:" << Describe(faults);
}

TEST(Layers, SubsystemWindowsSeeOnlyTheSharedHelpersOfTheTop)
{
    // Every top-level folder with a qt/ folder is covered, a new subsystem's as well.
    PlantedTree planted;
    planted.Write("app/qt/ui/MsgBox.cpp", "#include \"app/qt/ui/MsgBox.h\"\n#include \"app/AppState.h\"\n");
    planted.Write("app/qt/ui/Prompt.cpp", "#include \"editor/qt/CMainFrm.h\"\n");
    planted.Write("app/qt/ui/Hook.h", "#include \"app/qt/DocumentCommands.h\"\n");
    planted.Write("app/qt/CMainFrame.cpp",
                  "#include \"app/qt/CMainFrame.h\"\n#include \"link/qt/ReadDialog.h\"\n");
    planted.Write("app/qt/EditCommands.cpp",
                  "#include \"app/qt/ui/MainFrameUi.h\"\n#include \"app/qt/CMainFrame.h\"\n");
    planted.Write("editor/qt/Page.cpp", "#include \"app/qt/ui/AppFont.h\"\n#include \"app/LangText.h\"\n");
    planted.Write("link/qt/Read.cpp", "#include \"app/qt/DocumentCommands.h\"\n");
    planted.Write("newpart/qt/Window.cpp",
                  "#include \"editor/qt/CMainFrm.h\"\n#include \"app/qt/CMainFrame.h\"\n");
    planted.Write("newpart/Rules.cpp", "#include \"app/qt/CMainFrame.h\"\n");
    const std::vector<IncludeFault> found = FindWindowLayerFaults(planted.Root());
    ASSERT_EQ(found.size(), 5u) << Describe(found);
    EXPECT_EQ(found[0].file, "app/qt/EditCommands.cpp");
    EXPECT_EQ(found[0].include, "app/qt/CMainFrame.h");
    EXPECT_EQ(found[1].file, "app/qt/ui/Hook.h");
    EXPECT_EQ(found[2].file, "app/qt/ui/Prompt.cpp");
    EXPECT_EQ(found[3].file, "link/qt/Read.cpp");
    EXPECT_EQ(found[4].file, "newpart/qt/Window.cpp");
    EXPECT_EQ(found[4].line, 2);

    const std::vector<IncludeFault> faults = FindWindowLayerFaults(kSourceDir);
    EXPECT_TRUE(faults.empty()) << "window files that reach above their layer:" << Describe(faults);
}

TEST(Layers, LinkGraphTellsWhatALibraryReaches)
{
    const std::string dot = "digraph \"p\" {\n"
                            "    \"node0\" [ label = \"vpx_link\", shape = octagon ];\n"
                            "    \"node1\" [ label = \"vpx_history\", shape = octagon ];\n"
                            "    \"node2\" [ label = \"vpx_editorcore\", shape = octagon ];\n"
                            "    \"node3\" [ label = \"vpx_codeplug\", shape = octagon ];\n"
                            "    \"node0\" -> \"node3\" [ style = dotted ] // vpx_link -> vpx_codeplug\n"
                            "    \"node1\" -> \"node0\"  // vpx_history -> vpx_link\n"
                            "    \"node1\" -> \"node2\"  // vpx_history -> vpx_editorcore\n"
                            "    \"node2\" -> \"node3\"  // vpx_editorcore -> vpx_codeplug\n"
                            "}\n";
    LinkGraph graph;
    ASSERT_TRUE(graph.Parse(dot));
    EXPECT_TRUE(graph.Reaches("vpx_history", "vpx_codeplug")); // through either
    EXPECT_TRUE(graph.Reaches("vpx_history", "vpx_editorcore"));
    EXPECT_FALSE(graph.Reaches("vpx_link", "vpx_editorcore"));
    EXPECT_FALSE(graph.Reaches("vpx_codeplug", "vpx_link"));
    EXPECT_FALSE(graph.Parse("digraph \"p\" {\n}\n"));
}

TEST(Layers, TheHelperLibraryCompilesExactlyTheSharedHelpers)
{
    std::vector<CompileCommand> commands;
    std::string error;
    ASSERT_TRUE(ReadCompileCommands(kBuildDir + "/compile_commands.json", commands, error)) << error;
    bool guiBuild = false;
    std::set<std::string> helpers;
    for (const CompileCommand& entry : commands) {
        const std::string target = TargetOf(entry);
        const std::string source = fs::path(entry.file).lexically_relative(kSourceDir).generic_string();
        guiBuild = guiBuild || target == "vpx_gui";
        if (target == "vpx_ui" && source.find("_autogen/") == std::string::npos) {
            EXPECT_EQ(source.rfind("app/qt/ui/", 0), 0u) << "vpx_ui compiles " << source;
            helpers.insert(source);
        } else if (source.rfind("app/qt/ui/", 0) == 0) {
            ADD_FAILURE() << target << " compiles the shared helper " << source;
        }
    }
    if (!guiBuild)
        GTEST_SKIP() << "a build without the window program";
    for (const auto& item : fs::directory_iterator(fs::path(kSourceDir) / "app/qt/ui")) {
        if (item.path().extension() == ".cpp") {
            const std::string source = fs::relative(item.path(), kSourceDir).generic_string();
            EXPECT_EQ(helpers.count(source), 1u) << source << " is compiled by no library";
        }
    }
}
