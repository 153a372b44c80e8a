// Parsing of the line settings text.
#include "link/LineSettings.h"

#include <cctype>
#include <sstream>
#include <vector>

bool LineSettings::Parse(const std::string& text, LineSettings& out)
{
    out = LineSettings{};
    std::vector<std::string> parts;
    std::stringstream ss(text);
    std::string part;
    while (std::getline(ss, part, ','))
        parts.push_back(part);
    if (parts.size() != 4)
        return false;
    LineSettings s;
    try {
        std::size_t used = 0;
        s.baud = std::stoi(parts[0], &used);
        if (used != parts[0].size() || s.baud <= 0)
            return false;
        s.dataBits = std::stoi(parts[2], &used);
        if (used != parts[2].size() || s.dataBits < 5 || s.dataBits > 8)
            return false;
        s.stopBits = std::stoi(parts[3], &used);
        if (used != parts[3].size() || (s.stopBits != 1 && s.stopBits != 2))
            return false;
    } catch (...) {
        return false;
    }
    if (parts[1].size() != 1)
        return false;
    s.parity = static_cast<char>(std::tolower(static_cast<unsigned char>(parts[1][0])));
    if (std::string("neoms").find(s.parity) == std::string::npos)
        return false;
    out = s;
    return true;
}
