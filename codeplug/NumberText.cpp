// Locale-independent fixed-point formatting and decimal reading used by the frequency and tone codecs.
#include "codeplug/NumberText.h"

#include <charconv>
#include <cmath>

std::string FormatFixed(double value, int precision, int width)
{
    if (!std::isfinite(value))
        return std::string(static_cast<std::size_t>(width > 3 ? width - 3 : 0), ' ') + (std::isnan(value)
                                                                                            ? "nan"
                                                                                        : value < 0 ? "-inf"
                                                                                                    : "inf");
    char buf[400]; // enough for the largest double in fixed notation with a few decimals
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision);
    if (res.ec != std::errc())
        return {};
    std::string text(buf, res.ptr);
    if (width > 0 && text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string FormatShortDecimal(double value)
{
    std::string text = FormatFixed(value, 5);
    if (text.find('.') == std::string::npos)
        return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

double ReadLeadingDecimal(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // from_chars reads digits, point and exponent, but neither a sign "+" nor blanks.
    if (i >= text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.'))
        return 0.0;
    double value = 0.0;
    const char* first = text.data() + i;
    const auto res = std::from_chars(first, text.data() + text.size(), value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as 0, overflow as no usable number.
        return 0.0;
    }
    if (res.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

double ReadLeadingDigits(const std::string& text)
{
    double value = 0.0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10.0 + (c - '0');
    }
    return value;
}

bool ReadExactDecimal(const std::string& text, double& value)
{
    std::size_t first = text.find_first_not_of(" \t\r\n");
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    if (first == std::string::npos)
        return false;
    bool negative = false;
    if (text[first] == '+' || text[first] == '-') {
        negative = text[first] == '-';
        ++first;
    }
    if (first > last)
        return false;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    double v = 0.0;
    const auto res = std::from_chars(begin, end, v, std::chars_format::fixed);
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(v))
        return false;
    value = negative ? -v : v;
    return true;
}
