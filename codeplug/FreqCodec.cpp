// BCD frequency fields of the code plug and the channel-step grid the radio synthesiser works on.
// A field holds eight decimal digits in 10 Hz units (three of MHz, five decimals), last pair first.
#include "codeplug/FreqCodec.h"

#include <cmath>

#include "codeplug/HexText.h"
#include "codeplug/NumberText.h"

namespace {

std::string Format95(double value) { return FormatFixed(value, 5, 9); }

// A quotient lies on the grid when its "%9.5f" text ends in five zeros.
bool EndsOnGrid(double quotient)
{
    const std::string q = Format95(quotient);
    return q.size() >= 5 && q.compare(q.size() - 5, 5, "00000") == 0;
}

} // namespace

std::string EncodeFreq(double mhz)
{
    if (!(mhz >= 10.0 && mhz <= 999.0)) // also refuses NaN
        return {};
    // "%09.5f": three digits of MHz, the point, five decimals (045.50000).
    std::string text = FormatFixed(mhz, 5);
    if (text.size() < 9)
        text.insert(0, 9 - text.size(), '0');
    if (text.size() != 9)
        return {};
    const std::string d = text.substr(0, 3) + text.substr(4, 5);
    return d.substr(6, 2) + d.substr(4, 2) + d.substr(2, 2) + d.substr(0, 2);
}

std::string DecodeFreq(const std::string& hex)
{
    const std::string field = ToUpperAscii(TrimBlanks(hex));
    if (field == "FFFFFFFF")
        return {};
    const std::string digits = ReverseGroups(field, 2);
    const double whole = ReadLeadingDigits(digits.substr(0, 3));
    const double decimals = digits.size() > 3 ? ReadLeadingDigits(digits.substr(3, 5)) : 0.0;
    return Format95(whole + decimals * 0.00001);
}

std::string FreqTextToBcd(const std::string& text)
{
    const std::string t = TrimBlanks(text);
    if (t.size() != 9)
        return "FFFFFFFF";
    const std::string field =
        t.substr(7, 2) + t.substr(5, 2) + t.substr(2, 1) + t.substr(4, 1) + t.substr(0, 2);
    // Only decimal digits make a BCD field; anything else would put junk into the image.
    for (char c : field)
        if (c < '0' || c > '9')
            return "FFFFFFFF";
    return field;
}

std::string SnapFreq(const std::string& text, int mode, int& stepClass)
{
    double stepA = 0.0; // kHz, class 0
    double stepB = 0.0; // kHz, class 1
    switch (mode) {
    case 1:
        stepA = 10.0;
        stepB = 12.5;
        break;
    case 2:
        stepA = 2.5;
        stepB = 6.25;
        break;
    case 4:
        stepA = 5.0;
        stepB = 6.25;
        break;
    default: // mode 3 (and anything unknown): no snapping
        stepClass = 0;
        return text;
    }
    const double f = LeadingNumber(text);
    const double k = f * 1000.0;

    const double qB = k / stepB;
    if (EndsOnGrid(qB)) {
        stepClass = 1;
        return Format95(qB * stepB * 0.001);
    }
    const double qA = k / stepA;
    if (EndsOnGrid(qA)) {
        stepClass = 0;
        return Format95(qA * stepA * 0.001);
    }
    const double gA = std::trunc(qA) * stepA * 0.001;
    const double gB = std::trunc(qB) * stepB * 0.001;
    if (std::fabs(gA - f) > std::fabs(gB - f)) {
        stepClass = 1;
        return Format95(gB);
    }
    stepClass = 0;
    return Format95(gA);
}

double FreqFieldMHz(const std::string& hex)
{
    return ReadLeadingDigits(ReverseGroups(ToUpperAscii(TrimBlanks(hex)), 2)) * 0.00001;
}

std::string FormatMHz(double mhz) { return Format95(mhz); }

double LeadingNumber(const std::string& text) { return ReadLeadingDecimal(text); }
