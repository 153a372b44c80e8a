// Profile-file reader and writer: case-insensitive sections and keys, trimmed values, first match wins,
// writes that keep every other line (and its line end) and replace the file atomically.
#include "app/IniFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "app/AtomicFile.h"

namespace fs = std::filesystem;

namespace {

// Files larger than this are not profile files; they are treated as unreadable (and never overwritten).
constexpr std::uintmax_t kMaxFileBytes = 16u * 1024u * 1024u;
constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string Trim(const std::string& s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (std::tolower(ca) != std::tolower(cb))
            return false;
    }
    return true;
}

// A line without its line end; the first line of a file loses its UTF-8 byte order mark.
std::string Content(const std::string& line, bool first)
{
    std::string s = line;
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r'))
        s.pop_back();
    if (first && s.rfind(kUtf8Bom, 0) == 0)
        s.erase(0, 3);
    return s;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string name;  // section name or key
    std::string value; // key value
};

ParsedLine Parse(const std::string& line, bool first)
{
    ParsedLine p;
    const std::string t = Trim(Content(line, first));
    if (t.empty() || t[0] == ';' || t[0] == '#')
        return p;
    if (t[0] == '[') {
        const std::size_t close = t.find(']');
        p.kind = LineKind::Section;
        p.name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        return p;
    }
    p.kind = LineKind::Key;
    const std::size_t eq = t.find('=');
    if (eq == std::string::npos) {
        p.name = t; // a key without '=' has an empty value
        return p;
    }
    p.name = Trim(t.substr(0, eq));
    p.value = Trim(t.substr(eq + 1));
    // A value ends at an embedded NUL, as a C string would.
    const std::size_t nul = p.value.find('\0');
    if (nul != std::string::npos)
        p.value.erase(nul);
    // A matching pair of quotes around the value is dropped; this keeps blanks at its edges.
    if (p.value.size() >= 2 && (p.value.front() == '"' || p.value.front() == '\'') &&
        p.value.back() == p.value.front())
        p.value = p.value.substr(1, p.value.size() - 2);
    return p;
}

// Cuts a UTF-8 text to at most maxChars characters without splitting a multi-byte character.
std::string CutChars(const std::string& s, std::size_t maxChars)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) != 0x80) {
            if (chars == maxChars)
                return s.substr(0, i);
            ++chars;
        }
    }
    return s;
}

// Reads the file as lines that keep their own line ends. Missing file: true with no lines.
// A file that exists but cannot be read (or is far too large to be a profile file): false.
bool LoadLines(const std::string& path, std::vector<std::string>& lines)
{
    lines.clear();
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st))
        return true;
    if (!fs::is_regular_file(st))
        return false;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > kMaxFileBytes)
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buf;
    buf << in.rdbuf();
    if (in.bad())
        return false;
    const std::string text = buf.str();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t nl = text.find('\n', start);
        const std::size_t end = nl == std::string::npos ? text.size() : nl + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return true;
}

// The line end new lines get: that of the first line that has one, "\n" otherwise.
std::string LineEnd(const std::vector<std::string>& lines)
{
    for (const std::string& l : lines) {
        if (!l.empty() && l.back() == '\n')
            return l.size() >= 2 && l[l.size() - 2] == '\r' ? "\r\n" : "\n";
    }
    return "\n";
}

// The value as it goes into the file: quoted when reading it back would otherwise lose blanks at
// its edges or a pair of quotes around it.
std::string StoredValue(const std::string& value)
{
    if (value.empty())
        return value;
    const bool edgeBlank = IsBlank(value.front()) || IsBlank(value.back());
    const bool quoted =
        value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    return edgeBlank || quoted ? "\"" + value + "\"" : value;
}

bool HasLineBreak(const std::string& s)
{
    return s.find('\n') != std::string::npos || s.find('\r') != std::string::npos ||
           s.find('\0') != std::string::npos;
}

} // namespace

IniFile::IniFile(std::string path) : m_path(std::move(path))
{
    if (!LoadLines(m_path, m_lines))
        m_lines.clear();
}

namespace {

// Calls f(name, value) for each key of the first section named sec, in file order, until f returns true.
template <class F> void ScanFirstSection(const std::vector<std::string>& lines, const std::string& sec, F f)
{
    bool inSection = false;
    bool seen = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine p = Parse(lines[i], i == 0);
        if (p.kind == LineKind::Section) {
            if (inSection)
                return; // a later section with the same name is not looked at
            inSection = !seen && EqualNoCase(p.name, sec);
            seen = seen || inSection;
        } else if (p.kind == LineKind::Key && inSection && f(p.name, p.value)) {
            return;
        }
    }
}

} // namespace

std::string IniFile::Read(const std::string& section, const std::string& key, std::size_t maxChars) const
{
    const std::string k = Trim(key);
    std::string result;
    ScanFirstSection(m_lines, Trim(section), [&](const std::string& name, const std::string& value) {
        if (!EqualNoCase(name, k))
            return false;
        result = CutChars(value, maxChars);
        return true;
    });
    return result;
}

std::string IniFile::CutToChars(const std::string& text, std::size_t maxChars)
{
    return CutChars(text, maxChars);
}

bool IniFile::Has(const std::string& section, const std::string& key) const
{
    const std::string k = Trim(key);
    bool found = false;
    ScanFirstSection(m_lines, Trim(section), [&](const std::string& name, const std::string&) {
        found = EqualNoCase(name, k);
        return found;
    });
    return found;
}

std::vector<std::pair<std::string, std::string>> IniFile::Entries(const std::string& section) const
{
    std::vector<std::pair<std::string, std::string>> out;
    ScanFirstSection(m_lines, Trim(section), [&](const std::string& name, const std::string& value) {
        out.emplace_back(name, value);
        return false;
    });
    return out;
}

bool IniFile::Write(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string sec = Trim(section);
    const std::string k = Trim(key);
    // Names and values that would break the line structure are refused rather than written.
    if (sec.empty() || k.empty() || HasLineBreak(sec) || HasLineBreak(k) || HasLineBreak(value) ||
        sec.find(']') != std::string::npos || k.find('=') != std::string::npos || k[0] == '[' ||
        k[0] == ';' || k[0] == '#')
        return false;

    // Work on the file as it is now; a file that exists but cannot be read is never overwritten.
    std::vector<std::string> lines;
    if (!LoadLines(m_path, lines))
        return false;
    const std::string eol = LineEnd(lines);

    const std::string stored = StoredValue(value);
    std::size_t sectionLine = lines.size(); // first matching section header
    std::size_t insertAt = lines.size();    // after the last non-blank line of that section
    bool inSection = false;
    bool replaced = false;
    for (std::size_t i = 0; i < lines.size() && !replaced; ++i) {
        const ParsedLine p = Parse(lines[i], i == 0);
        if (p.kind == LineKind::Section) {
            if (inSection)
                break; // end of the first matching section
            inSection = EqualNoCase(p.name, sec);
            if (inSection) {
                sectionLine = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (p.kind == LineKind::Key && EqualNoCase(p.name, k)) {
            // Keep the key's spelling, any leading BOM and the line's own line end.
            const std::string& old = lines[i];
            const std::string ending = old.size() >= 2 && old.compare(old.size() - 2, 2, "\r\n") == 0
                                           ? "\r\n"
                                           : (!old.empty() && old.back() == '\n' ? "\n" : "");
            const std::string bom = i == 0 && old.rfind(kUtf8Bom, 0) == 0 ? kUtf8Bom : "";
            lines[i] = bom + p.name + "=" + stored + ending;
            replaced = true;
        } else if (!Trim(Content(lines[i], i == 0)).empty()) {
            insertAt = i + 1;
        }
    }

    if (!replaced) {
        // The line before an insertion must end its line.
        auto terminate = [&](std::size_t idx) {
            if (idx < lines.size() && (lines[idx].empty() || lines[idx].back() != '\n'))
                lines[idx] += eol;
        };
        if (sectionLine < lines.size()) {
            terminate(insertAt - 1);
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), k + "=" + stored + eol);
        } else {
            if (!lines.empty())
                terminate(lines.size() - 1);
            lines.push_back("[" + sec + "]" + eol);
            lines.push_back(k + "=" + stored + eol);
        }
    }

    std::string text;
    for (const std::string& l : lines)
        text += l;
    if (!WriteFileAtomically(m_path, text))
        return false;
    m_lines = std::move(lines);
    return true;
}
