// Reading CMake's Graphviz output: node lines name the targets, edge lines say who links whom.
#include "tests/layout/LinkGraph.h"

#include <regex>
#include <sstream>
#include <vector>

bool LinkGraph::Parse(const std::string& dotText)
{
    static const std::regex kNode(R"re(^\s*"([^"]+)"\s*\[\s*label\s*=\s*"([^"\\]+))re");
    static const std::regex kEdge(R"re(^\s*"([^"]+)"\s*->\s*"([^"]+)")re");
    std::map<std::string, std::string> names; // node id -> target
    std::vector<std::pair<std::string, std::string>> edges;
    std::istringstream in(dotText);
    std::string line;
    while (std::getline(in, line)) {
        std::smatch m;
        if (std::regex_search(line, m, kEdge))
            edges.emplace_back(m[1], m[2]);
        else if (std::regex_search(line, m, kNode))
            names[m[1]] = m[2];
    }
    m_links.clear();
    for (const auto& [id, name] : names)
        m_links[name];
    for (const auto& [from, to] : edges)
        if (names.count(from) != 0 && names.count(to) != 0)
            m_links[names[from]].insert(names[to]);
    return !m_links.empty();
}

bool LinkGraph::Reaches(const std::string& from, const std::string& to) const
{
    std::set<std::string> seen;
    std::vector<std::string> pending = {from};
    while (!pending.empty()) {
        const std::string current = pending.back();
        pending.pop_back();
        if (!seen.insert(current).second)
            continue;
        const auto links = m_links.find(current);
        if (links == m_links.end())
            continue;
        for (const std::string& next : links->second) {
            if (next == to)
                return true;
            pending.push_back(next);
        }
    }
    return false;
}
