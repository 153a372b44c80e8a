// Reader and writer for Windows-style profile files: sections and keys compare without regard to case,
// values are trimmed, the first match wins, and a write keeps every other line, comment and the order.
#pragma once

#include <string>
#include <vector>

class IniFile {
public:
    // Loads the file; a file that cannot be read is treated as empty.
    explicit IniFile(std::string path);

    // The value of the first matching key in the first matching section; empty when absent.
    // The result is cut to maxChars characters (511 as the profile functions return).
    std::string Read(const std::string& section, const std::string& key, std::size_t maxChars = 511) const;

    bool Has(const std::string& section, const std::string& key) const;

    // Replaces the key in place, or appends it (and its section when missing), then saves the
    // file atomically (temporary file renamed over it). True on success.
    bool Write(const std::string& section, const std::string& key, const std::string& value);

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::vector<std::string> m_lines;
};
