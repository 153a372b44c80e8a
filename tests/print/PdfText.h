// Reading a PDF back as a user's tools do (poppler-utils): its text, its page count and page size.
#pragma once

#include <cstdio>
#include <string>

// Standard output of a shell command.
inline std::string CommandOutput(const std::string& command)
{
    std::string out;
    if (FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
        char buf[4096];
        std::size_t n = 0;
        while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
            out.append(buf, n);
        ::pclose(pipe);
    }
    return out;
}

inline bool PdfToolsPresent() { return !CommandOutput("command -v pdftotext pdfinfo").empty(); }

// The text of a PDF file, in reading order (pdftotext, UTF-8).
inline std::string PdfText(const std::string& path)
{
    return CommandOutput("pdftotext -enc UTF-8 '" + path + "' -");
}

// A line of pdfinfo's report ("Pages", "Page size"), without its key.
inline std::string PdfInfo(const std::string& path, const std::string& key)
{
    const std::string info = CommandOutput("pdfinfo '" + path + "'");
    const std::size_t at = info.find(key + ":");
    if (at == std::string::npos)
        return {};
    std::size_t from = info.find_first_not_of(' ', at + key.size() + 1);
    const std::size_t end = info.find('\n', from);
    return info.substr(from, end - from);
}

// The text without any blanks or line ends, so that strings are found whatever the line breaking.
inline std::string WithoutBlanks(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t' && c != '\f')
            out += c;
    }
    return out;
}

// Code points of a UTF-8 text.
inline std::u32string CodePoints(const std::string& utf8)
{
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        out += cp;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

// Code points that a PDF writer puts in place of the letters drawn when it maps a shared glyph to the
// wrong character: Kangxi and supplementary radicals, compatibility ideographs, Latin ligatures.
inline bool IsSubstituteCodePoint(char32_t cp)
{
    return (cp >= 0x2E80 && cp <= 0x2FDF) || (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFB00 && cp <= 0xFB06);
}
