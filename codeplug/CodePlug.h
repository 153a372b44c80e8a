// The code-plug image: the radio's 1024 bytes (0x0000-0x03FF) as 2048 upper-case hex characters.
// All reads and writes go through here; a write never changes the length of the image.
#pragma once

#include <string>

class CodePlug {
public:
    static constexpr int kBytes = 1024;
    static constexpr int kChars = 2 * kBytes;

    CodePlug();                                 // all 0xFF
    explicit CodePlug(const std::string& text); // must be valid (see IsValidImageText); otherwise all 0xFF

    // True for exactly 2048 hex digits (either case).
    static bool IsValidImageText(const std::string& text);

    const std::string& Text() const { return m_text; }
    // Replaces the whole image; refuses (false, unchanged) anything but a valid image text. Upper-cases.
    bool SetText(const std::string& text);

    // 2n hex characters at address; empty when the range leaves the image.
    std::string Read(int address, int n) const;
    // Replaces exactly hex.size()/2 bytes at address; refuses (false, unchanged) empty, odd-length,
    // non-hex or out-of-range values.
    bool Write(int address, const std::string& hex);
    // Writes an n-byte field; refuses (false, unchanged) a value that is not exactly 2n hex digits,
    // such as the empty result of a failed conversion.
    bool WriteField(int address, int n, const std::string& hex);

    int ReadByte(int address) const;        // 0..255, -1 outside the image
    bool WriteByte(int address, int value); // value 0..255
    int ReadWordLE(int address) const;      // 16-bit, low byte first
    bool WriteWordLE(int address, int value);

    bool operator==(const CodePlug& other) const { return m_text == other.m_text; }

private:
    std::string m_text;
};
