// The libraries' link graph as CMake draws it (cmake --graphviz): which library links which, so that a
// test can ask whether one reaches another directly or through others.
#pragma once

#include <map>
#include <set>
#include <string>

class LinkGraph {
public:
    // Reads the graph from the text of a Graphviz file CMake wrote; false when it holds no target.
    bool Parse(const std::string& dotText);

    bool Has(const std::string& target) const { return m_links.count(target) != 0; }
    // True when from links to, directly or through other targets.
    bool Reaches(const std::string& from, const std::string& to) const;

private:
    std::map<std::string, std::set<std::string>> m_links; // target -> the targets it links directly
};
