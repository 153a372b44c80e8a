// The code-plug image and its checked field access.
#include "codeplug/CodePlug.h"

#include <cctype>

namespace {

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

bool AllHex(const std::string& s)
{
    for (char c : s)
        if (!IsHexDigit(c))
            return false;
    return true;
}

std::string Upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

CodePlug::CodePlug() : m_text(kChars, 'F') {}

CodePlug::CodePlug(const std::string& text) : m_text(kChars, 'F') { SetText(text); }

bool CodePlug::IsValidImageText(const std::string& text)
{
    return text.size() == static_cast<std::size_t>(kChars) && AllHex(text);
}

bool CodePlug::SetText(const std::string& text)
{
    if (!IsValidImageText(text))
        return false;
    m_text = Upper(text);
    return true;
}

std::string CodePlug::Read(int address, int n) const
{
    if (address < 0 || n <= 0 || n > kBytes - address)
        return {};
    return m_text.substr(static_cast<std::size_t>(2 * address), static_cast<std::size_t>(2 * n));
}

bool CodePlug::Write(int address, const std::string& hex)
{
    if (hex.empty() || hex.size() % 2 != 0 || !AllHex(hex) || address < 0)
        return false;
    const std::size_t n = hex.size() / 2;
    if (static_cast<std::size_t>(address) + n > static_cast<std::size_t>(kBytes))
        return false;
    m_text.replace(static_cast<std::size_t>(2 * address), hex.size(), Upper(hex));
    return true;
}

bool CodePlug::WriteField(int address, int n, const std::string& hex)
{
    if (n <= 0 || hex.size() != static_cast<std::size_t>(2 * n))
        return false;
    return Write(address, hex);
}

int CodePlug::ReadByte(int address) const
{
    const std::string b = Read(address, 1);
    if (b.empty())
        return -1;
    return std::stoi(b, nullptr, 16);
}

bool CodePlug::WriteByte(int address, int value)
{
    if (value < 0 || value > 255)
        return false;
    static const char* digits = "0123456789ABCDEF";
    const std::string hex{digits[value >> 4], digits[value & 15]};
    return Write(address, hex);
}

int CodePlug::ReadWordLE(int address) const
{
    const int lo = ReadByte(address);
    const int hi = ReadByte(address + 1);
    if (lo < 0 || hi < 0)
        return -1;
    return lo | (hi << 8);
}

bool CodePlug::WriteWordLE(int address, int value)
{
    if (value < 0 || value > 0xFFFF || address < 0 || address > kBytes - 2)
        return false;
    return WriteByte(address, value & 0xFF) && WriteByte(address + 1, value >> 8);
}
