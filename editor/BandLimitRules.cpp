// Corrections and image fields of the custom band's limits (band-limit dialog).
#include "editor/BandLimitRules.h"

#include <cmath>
#include <cstdio>

#include "codeplug/AddressMap.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/ChannelRules.h"

namespace {

double KeepInRange(double f)
{
    return f < kBandLimitMin ? kBandLimitMin : (f > kBandLimitMax ? kBandLimitMax : f);
}

// Snapped to the channel grid and kept within the limits the radio accepts.
double SnapLimit(const std::string& text)
{
    double f = LeadingNumber(text);
    if (f > 0.0 && f < 1000.0) {
        int stepClass = 0;
        f = LeadingNumber(SnapFreq(FormatMHz(f), 4, stepClass));
    }
    return KeepInRange(f);
}

// The field of a limit: the eight digits hold up to 999.99999 MHz, so the dialog's highest limit
// (999.995) is stored as typed rather than as "no frequency".
std::string LimitField(const std::string& text)
{
    const double mhz = LeadingNumber(text);
    const std::string field = EncodeFreq(mhz);
    return field.empty() ? FreqTextToBcd(FormatMHz(mhz)) : field;
}

std::string FormatIf(double mhz)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%5.2f", mhz);
    return buf;
}

} // namespace

void CorrectLowerLimit(BandLimitValues& v)
{
    const double low = SnapLimit(v.lower);
    double high = LeadingNumber(v.upper);
    if (high < low) {
        high = low;
    } else if (high > low + kBandMaxSpan) {
        high = low + kBandMaxSpan;
    }
    high = KeepInRange(high);
    v.lower = FormatMHz(low);
    v.upper = FormatMHz(high);
    if (TrimBlanks(v.ifText).empty()) {
        v.ifText = "50.00";
    }
}

void CorrectUpperLimit(BandLimitValues& v)
{
    const double high = SnapLimit(v.upper);
    double low = LeadingNumber(v.lower);
    if (low > high) {
        low = high;
    } else if (low < high - kBandMaxSpan) {
        low = high - kBandMaxSpan;
    }
    low = KeepInRange(low);
    v.lower = FormatMHz(low);
    v.upper = FormatMHz(high);
}

void CorrectIntermediateFreq(BandLimitValues& v)
{
    double f = LeadingNumber(v.ifText);
    if (f < 0.0) {
        f = 0.0;
    }
    if (f > 99.99) {
        f = 99.99;
    }
    v.ifText = FormatIf(f);
}

std::string EncodeIntermediateFreq(double mhz)
{
    if (!std::isfinite(mhz) || mhz < 0.0 || mhz > 99.99 + 1e-9) {
        return "FFFF";
    }
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04ld", std::lround(mhz * 100.0));
    return ReverseGroups(digits, 2);
}

std::string DecodeIntermediateFreq(const std::string& hex)
{
    if (hex.size() != 4) {
        return {};
    }
    const std::string digits = ReverseGroups(hex, 2);
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return {};
        }
    }
    return FormatIf(std::stoi(digits) / 100.0);
}

BandLimitValues ReadBandLimits(const CodePlug& image)
{
    BandLimitValues v;
    if (image.Read(Addr::kCustomLower, 4) == "FFFFFFFF") {
        return v;
    }
    v.lower = DecodeFreq(image.Read(Addr::kCustomLower, 4));
    v.upper = DecodeFreq(image.Read(Addr::kCustomUpper, 4));
    v.ifText = DecodeIntermediateFreq(image.Read(Addr::kCustomIf, 2));
    v.highSideLo = image.ReadByte(Addr::kCustomHighLo) == 1;
    return v;
}

void WriteBandLimits(CodePlug& image, const BandLimitValues& v, const std::string& customBandCode)
{
    // Same layout as every other model block: head, band code, F8 FF; so that the band is found again.
    image.Write(Addr::kModelBlock, GetModelHead(0, 1) + customBandCode + "F8FF");
    image.Write(Addr::kCustomLower, LimitField(v.lower));
    image.Write(Addr::kCustomUpper, LimitField(v.upper));
    image.Write(Addr::kCustomIf, EncodeIntermediateFreq(LeadingNumber(v.ifText)));
    image.WriteByte(Addr::kCustomHighLo, v.highSideLo ? 1 : 0);
}
