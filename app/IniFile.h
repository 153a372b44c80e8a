// Reader and writer for Windows-style profile files: sections and keys compare without regard to case,
// values are trimmed (a matching pair of quotes around a value is dropped), the first match wins, and a
// write keeps every other line, comment, line end and the order. Lines starting with ';' or '#' are comments.
#pragma once

#include <string>
#include <utility>
#include <vector>

class IniFile {
public:
    // Loads the file; a file that cannot be read is treated as empty.
    explicit IniFile(std::string path);

    // The value of the first matching key in the first matching section; empty when absent.
    // The result is cut to maxChars characters (511 as the profile functions return).
    std::string Read(const std::string& section, const std::string& key, std::size_t maxChars = 511) const;

    bool Has(const std::string& section, const std::string& key) const;

    // Every key = value of the first section with this name, in file order (trimmed, not cut).
    std::vector<std::pair<std::string, std::string>> Entries(const std::string& section) const;

    // Replaces the key in place, or appends it (and its section when missing), then saves the
    // file atomically (temporary file renamed over it). True on success. The write works on the
    // file as it is at the time of the call; a file that exists but cannot be read is left alone
    // (false), and names or values that would break the line structure are refused (false).
    bool Write(const std::string& section, const std::string& key, const std::string& value);

    // A UTF-8 text cut to at most maxChars characters, never inside a multi-byte character.
    static std::string CutToChars(const std::string& text, std::size_t maxChars);

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::vector<std::string> m_lines;
};
