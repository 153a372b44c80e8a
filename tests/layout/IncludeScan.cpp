// Scanning the sources' #include lines for the lines between the core, the link, the editor and the
// layers of the window code.
#include "tests/layout/IncludeScan.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>

namespace fs = std::filesystem;

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// Records a fault for every include of every C++ source under root/folder for which isFault(file,
// include) is true, files relative to root.
void ScanIncludes(const std::string& root, const std::string& folder,
                  const std::function<bool(const std::string&, const std::string&)>& isFault,
                  std::vector<IncludeFault>& faults)
{
    static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    const fs::path top = fs::path(root) / folder;
    if (!fs::is_directory(top))
        return;
    for (const auto& item : fs::recursive_directory_iterator(top)) {
        const std::string ext = item.path().extension().string();
        if (!item.is_regular_file() || (ext != ".cpp" && ext != ".h" && ext != ".hpp"))
            continue;
        const std::string relative = fs::relative(item.path(), root).generic_string();
        std::ifstream in(item.path());
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            std::smatch m;
            if (std::regex_search(text, m, kInclude) && isFault(relative, m[2]))
                faults.push_back({relative, line, m[2]});
        }
    }
}

void SortFaults(std::vector<IncludeFault>& faults)
{
    std::sort(faults.begin(), faults.end(), [](const IncludeFault& a, const IncludeFault& b) {
        return a.file != b.file ? a.file < b.file : a.line < b.line;
    });
}

// The files of the main window and of the start-up that creates it.
bool MayIncludeMainWindow(const std::string& file)
{
    const std::string name = fs::path(file).filename().string();
    return fs::path(file).parent_path() == "app/qt" &&
           (StartsWith(name, "CMainFrame") || StartsWith(name, "AppStart.") ||
            StartsWith(name, "FirstPaintProbe.") || name == "main.cpp");
}

} // namespace

bool IsQtHeader(const std::string& name)
{
    if (name.empty())
        return false;
    const std::string file = fs::path(name).filename().string();
    const bool moc = file.rfind("moc_", 0) == 0 || fs::path(file).extension() == ".moc";
    return name[0] == 'Q' || moc;
}

bool IsInQtFolder(const std::string& path)
{
    const fs::path folders = fs::path(path).parent_path();
    return std::any_of(folders.begin(), folders.end(), [](const fs::path& part) { return part == "qt"; });
}

std::vector<IncludeFault> FindCoreIncludeFaults(const std::string& root,
                                                const std::vector<std::string>& folders)
{
    std::vector<IncludeFault> faults;
    for (const std::string& folder : folders) {
        ScanIncludes(
            root, folder,
            [](const std::string& file, const std::string& name) {
                return !IsInQtFolder(file) && (IsQtHeader(name) || IsInQtFolder(name));
            },
            faults);
    }
    SortFaults(faults);
    return faults;
}

std::vector<IncludeFault> FindFolderIncludeFaults(const std::string& root, const std::string& folder,
                                                  const std::string& forbidden)
{
    std::vector<IncludeFault> faults;
    ScanIncludes(
        root, folder,
        [&forbidden](const std::string&, const std::string& name) {
            return StartsWith(name, forbidden + "/");
        },
        faults);
    SortFaults(faults);
    return faults;
}

std::vector<IncludeFault> FindWindowLayerFaults(const std::string& root)
{
    std::vector<IncludeFault> faults;
    for (const auto& item : fs::directory_iterator(root)) {
        if (!fs::is_directory(item.path() / "qt"))
            continue;
        const std::string folder = item.path().filename().string();
        ScanIncludes(
            root, folder + "/qt",
            [](const std::string& file, const std::string& name) {
                const bool helper = StartsWith(file, "app/qt/ui/");
                const bool top = !helper && StartsWith(file, "app/qt/");
                if (name == "app/qt/CMainFrame.h" && !MayIncludeMainWindow(file))
                    return true;
                if (helper) // beneath every window: nothing of theirs
                    return IsInQtFolder(name) && !StartsWith(name, "app/qt/ui/");
                if (!top) // a subsystem's windows: of the top only the helpers
                    return StartsWith(name, "app/qt/") && !StartsWith(name, "app/qt/ui/");
                return false;
            },
            faults);
    }
    SortFaults(faults);
    return faults;
}
