// Hex-text and bit helpers of the code-plug image: every field is read and written as upper-case hex text.
// Each helper is total: bad input gives the empty text (or -1), never an exception.
#include "codeplug/HexText.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

const char kDigits[] = "0123456789ABCDEF";

bool IsHexChar(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool IsBitText(const std::string& bits)
{
    for (char c : bits)
        if (c != '0' && c != '1')
            return false;
    return true;
}

} // namespace

long HexToInt(const std::string& text)
{
    // The C library's reading: blanks skipped, optional sign and "0x", stops at the first non-hex character.
    return std::strtol(text.c_str(), nullptr, 16);
}

std::string IntToHex(long long value, int n)
{
    if (n <= 0)
        return {};
    char buf[32];
    if (value < 0)
        std::snprintf(buf, sizeof buf, "%08X",
                      static_cast<unsigned int>(static_cast<unsigned long long>(value) & 0xFFFFFFFFULL));
    else
        std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(value));
    std::string digits = buf;
    const std::size_t width = 2 * static_cast<std::size_t>(n);
    if (digits.size() > width)
        return {};
    return std::string(width - digits.size(), '0') + digits;
}

std::string HexToBits(const std::string& hex)
{
    std::string bits;
    bits.reserve(hex.size() * 4);
    for (char c : hex) {
        const int v = HexValue(c);
        if (v < 0)
            return {};
        for (int b = 3; b >= 0; --b)
            bits += ((v >> b) & 1) ? '1' : '0';
    }
    return bits;
}

std::string BitsToHex(const std::string& bits)
{
    if (!IsBitText(bits))
        return {};
    std::string padded = std::string((4 - bits.size() % 4) % 4, '0') + bits;
    std::string hex;
    hex.reserve(padded.size() / 4);
    for (std::size_t i = 0; i < padded.size(); i += 4) {
        int v = 0;
        for (std::size_t k = 0; k < 4; ++k)
            v = v * 2 + (padded[i + k] - '0');
        hex += kDigits[v];
    }
    return hex;
}

long BitsToInt(const std::string& bits) { return HexToInt(BitsToHex(bits)); }

int GetBit(const std::string& byteHex, int b)
{
    if (byteHex.size() != 2 || !IsHexChar(byteHex[0]) || !IsHexChar(byteHex[1]) || b < 0 || b > 7)
        return -1;
    const int v = HexValue(byteHex[0]) * 16 + HexValue(byteHex[1]);
    return (v >> b) & 1;
}

std::string SetBit(const std::string& byteHex, int b, int v)
{
    if (GetBit(byteHex, b) < 0 || v < 0 || v > 1)
        return {};
    int value = HexValue(byteHex[0]) * 16 + HexValue(byteHex[1]);
    value = v ? (value | (1 << b)) : (value & ~(1 << b));
    return IntToHex(value, 1);
}

std::string GetBits(const std::string& hex, int start, int width)
{
    const std::string bits = HexToBits(hex);
    const long long total = static_cast<long long>(bits.size());
    if (bits.empty() || start < 0 || width < 1 || static_cast<long long>(start) + width > total)
        return {};
    // Bit 0 is the last character of the bit text.
    return bits.substr(static_cast<std::size_t>(total - start - width), static_cast<std::size_t>(width));
}

std::string SetBits(const std::string& hex, int start, int width, const std::string& bits)
{
    std::string all = HexToBits(hex);
    const long long total = static_cast<long long>(all.size());
    if (all.empty() || start < 0 || width < 1 || static_cast<long long>(start) + width > total)
        return {};
    if (bits.size() < static_cast<std::size_t>(width))
        return {};
    const std::string field = bits.substr(bits.size() - static_cast<std::size_t>(width));
    if (!IsBitText(field))
        return {};
    all.replace(static_cast<std::size_t>(total - start - width), static_cast<std::size_t>(width), field);
    return BitsToHex(all);
}

std::string HexToText(const std::string& hex)
{
    const std::string even = (hex.size() % 2 != 0) ? "0" + hex : hex;
    std::string text;
    for (std::size_t i = 0; i + 1 < even.size(); i += 2) {
        const int hi = HexValue(even[i]);
        const int lo = HexValue(even[i + 1]);
        if (hi < 0 || lo < 0)
            break;
        const int v = hi * 16 + lo;
        if (v == 0x00 || v == 0xFF)
            break;
        text += static_cast<char>(v);
    }
    return text;
}

std::string TextToHex(const std::string& text)
{
    std::string hex;
    hex.reserve(text.size() * 2);
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u >= 0x80)
            continue;
        hex += kDigits[u >> 4];
        hex += kDigits[u & 15];
    }
    return hex;
}

std::string RepeatFill(const std::string& pattern, std::size_t length)
{
    if (pattern.empty())
        return {};
    std::string out;
    out.reserve(length + pattern.size());
    while (out.size() < length)
        out += pattern;
    out.resize(length);
    return out;
}

std::string SpliceHex(const std::string& text, std::size_t pos, std::size_t count, const std::string& insert)
{
    // Positions beyond the end are clamped, so the helper cannot read outside the text.
    if (pos > text.size())
        pos = text.size();
    if (count > text.size() - pos)
        count = text.size() - pos;
    std::string out = text;
    out.replace(pos, count, insert);
    return out;
}

std::string ReverseGroups(const std::string& text, int n)
{
    if (n <= 0)
        return text;
    const std::size_t g = static_cast<std::size_t>(n);
    std::string out;
    out.reserve(text.size());
    std::size_t end = text.size();
    while (end > 0) {
        const std::size_t begin = end >= g ? end - g : 0;
        out += text.substr(begin, end - begin);
        end = begin;
    }
    return out;
}

bool IsHexText(const std::string& text)
{
    if (text.empty() || text.size() % 2 != 0)
        return false;
    for (char c : text)
        if (!IsHexChar(c))
            return false;
    return true;
}

std::string BytesToHex(const std::vector<std::uint8_t>& bytes)
{
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
    }
    return hex;
}

std::vector<std::uint8_t> HexToBytes(const std::string& hex)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int hi = HexValue(hex[i]);
        const int lo = HexValue(hex[i + 1]);
        if (hi < 0 || lo < 0)
            break;
        bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    return bytes;
}

std::string ToUpperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string TrimBlanks(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}
