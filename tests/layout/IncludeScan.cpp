// Scanning the sources' #include lines for the core's line.
#include "tests/layout/IncludeScan.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>

namespace fs = std::filesystem;

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
    static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<IncludeFault> faults;
    for (const std::string& folder : folders) {
        const fs::path top = fs::path(root) / folder;
        if (!fs::is_directory(top))
            continue;
        for (const auto& item : fs::recursive_directory_iterator(top)) {
            const std::string ext = item.path().extension().string();
            if (!item.is_regular_file() || (ext != ".cpp" && ext != ".h" && ext != ".hpp"))
                continue;
            const std::string relative = fs::relative(item.path(), root).generic_string();
            if (IsInQtFolder(relative))
                continue;
            std::ifstream in(item.path());
            std::string text;
            for (int line = 1; std::getline(in, text); ++line) {
                std::smatch m;
                if (!std::regex_search(text, m, kInclude))
                    continue;
                const std::string name = m[2];
                if (IsQtHeader(name) || IsInQtFolder(name))
                    faults.push_back({relative, line, name});
            }
        }
    }
    std::sort(faults.begin(), faults.end(), [](const IncludeFault& a, const IncludeFault& b) {
        return a.file != b.file ? a.file < b.file : a.line < b.line;
    });
    return faults;
}
