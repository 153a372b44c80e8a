// Band codes with their frequency limits and default code plugs, the model head, the band state and
// the model-information texts read out of an image.
#include "codeplug/ModelCatalogue.h"

#include <array>

#include "codeplug/AddressMap.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"

int g_nRadioType = 3;
BandState g_band;
ModelInfoTexts g_modelInfo;

namespace {

struct BandLimits {
    const char* code;
    double lower;
    double upper;
};

// "F0" has default images but no limits of its own; "FF" takes them from the image.
constexpr std::array<BandLimits, 15> kBandLimits = {{
    {"F1", 136, 150},
    {"F2", 450, 490},
    {"F3", 490, 512},
    {"F4", 440, 480},
    {"F5", 400, 450},
    {"33", 400, 470},
    {"F7", 470, 512},
    {"F8", 400, 430},
    {"F9", 445, 448},
    {"FA", 433, 435},
    {"FB", 476, 478},
    {"FC", 462, 468},
    {"FD", 370, 390},
    {"FE", 350, 370},
    {"E0", 136, 174},
}};

struct BandDefaults {
    const char* code;
    const char* testBlock; // goes to 0x0280, padded with F to 128 bytes
    const char* channel1;  // channel 1 record, empty when the band leaves channel 1 empty
};

constexpr std::array<BandDefaults, 16> kBandDefaults = {{
    {"F0", "0000601400256114FFFFFFFFFF0101FF0000001600250116FFFFFFFFFF0101FF0000401700753917FFFFFFFFFF0101FF",
     ""},
    {"F1", "0000601300256113FFFFFFFFFF0101FF0000301400253114FFFFFFFFFF0101FF0000001500759914FFFFFFFFFF0101FF",
     ""},
    {"F2", "000000450025014500000048002501480000004900759948", "0000004500000045FFFFFFFFFB0101FF"},
    {"F3", "0000004900250149FFFFFFFFFF0101FF0000105000251150FFFFFFFFFF0101FF0000205100751951FFFFFFFFFF0101FF",
     ""},
    {"F4", "000000440025014400000046002501460000004700759946", "0000004400000044FFFFFFFFFB0101FF"},
    {"F5", "0000004000250140FFFFFFFFFF0101FF0000504200255142FFFFFFFFFF0101FF0000004500759944FFFFFFFFFF0101FF",
     ""},
    {"33", "000000420025014200005044002551440000004700759946", "0000004000000040FFFFFFFFFB3101FF"},
    {"F7", "0000004700250147FFFFFFFFFF0101FF0000104900251149FFFFFFFFFF0101FF0000205100751951FFFFFFFFFF0101FF",
     ""},
    {"F8", "000000400025014000000041002501410000004200759941", "0000004000000040FFFFFFFFFB0101FF"},
    {"F9", "0000604400256144FFFFFFFFFF0101FF", ""},
    {"FA", "0000304300253143FFFFFFFFFF0101FF", ""},
    {"FB", "0000704700257147FFFFFFFFFF0101FF", ""},
    {"FC", "0000504600255146FFFFFFFFFF0101FF", ""}, // empty test block when g_nRadioType is 1
    {"FD", "000000370025013700000038002501380000003900759938", "0000003700250137FFFFFFFFFF0101FF"},
    {"FE", "000000350025013500000036002501360000003700759936", "0000003500250135FFFFFFFFFF0101FF"},
    {"E0", "000060130025611300005015002551150000401700753917", "0000601300006013FFFFFFFFFB0101FF"},
}};

struct PresetRange {
    const char* range;
    const char* record; // 16 bytes for 0x0350: limits, first IF 49.95 MHz, FF FF, high-side LO flag, FF x3
    bool narrowConfig;  // byte 0x03C4 becomes 0xF8
};

constexpr std::array<PresetRange, 4> kPresetRanges = {{
    {"146-174", "00006014000040179549FFFF01FFFFFF", false},
    {"350-390", "00000035000000399549FFFF00FFFFFF", false},
    {"433-447", "00003043000070449549FFFF00FFFFFF", true},
    {"446-447", "00006044000070449549FFFF00FFFFFF", true},
}};

constexpr int kTestBlockBytes = 128;

bool IsBandCodeText(const std::string& code) { return code.size() == 2 && IsHexText(code); }

} // namespace

std::string GetModelHead(int /*number*/, int order)
{
    // "TQ951" in ASCII; the identity record carries it with the bytes reversed.
    return order == 2 ? "3135395154" : "5451393531";
}

std::string BuildDefaultImage()
{
    CodePlug image; // all 0xFF
    image.Write(Addr::kRecord0000, "0000004000000040FFFFFFFFFB0101FF");
    image.Write(0x0130, "0400FFFF0500FFFFFFFFFFFFFFFF00FF");
    image.Write(0x0160, "00FF1F33FF05000500FFFFFFFFFFFFFF");
    image.Write(0x0170, "FFFFFFFFFFFFFFFFFFFFFFFFFFFF0100");
    image.Write(0x0260, "0000050606");
    image.Write(0x0270, std::string(32, '0'));
    image.Write(Addr::kRadioConfig, "BB030302FD0000000100FFFFFFFFFFFF");
    image.Write(Addr::kIdentityRecord, "0000F9" + GetModelHead(0, 2) + "FFFFFFFFFFFFFFFF");
    return image.Text();
}

std::string BuildBandImage(const std::string& code)
{
    const std::string band = ToUpperAscii(code);
    if (!IsBandCodeText(band))
        return {};
    CodePlug image(BuildDefaultImage());
    std::string testBlock;
    std::string channel1;
    for (const BandDefaults& d : kBandDefaults) {
        if (band == d.code) {
            testBlock = d.testBlock;
            channel1 = d.channel1;
        }
    }
    if (band == "FC" && g_nRadioType == 1)
        testBlock.clear();

    image.Write(Addr::kModelBlock, GetModelHead(1, 1) + band + "F8FF");
    image.Write(Addr::kTestFreqs, testBlock + RepeatFill("F", 2 * kTestBlockBytes - testBlock.size()));
    if (!channel1.empty())
        image.Write(Addr::ChannelAddress(1), channel1);
    return image.Text();
}

std::string BandCodeOf(const std::string& image)
{
    const std::size_t pos = 2 * static_cast<std::size_t>(Addr::kModelBlock) + 10;
    if (image.size() < pos + 2)
        return {};
    return ToUpperAscii(image.substr(pos, 2));
}

std::string CustomBandCode() { return g_nRadioType == 1 ? "FC" : "FF"; }

std::string VersionText(const std::string& hex)
{
    const std::string h = ToUpperAscii(hex);
    if (h.size() < 4)
        return {};
    const std::string digits = h.substr(0, 4);
    if (digits == "FFFF")
        return {};
    std::string text = digits.substr(0, 2) + "." + digits.substr(2, 2);
    if (text[0] == '0')
        text.erase(0, 1);
    if (h.size() >= 6)
        text += HexToText(h.substr(4, 2));
    return text;
}

BandState BandStateOf(const CodePlug& image, const BandState& fallback)
{
    BandState band = fallback;
    band.code = BandCodeOf(image.Text());
    if (band.code == "FF") {
        band.lower = FreqFieldMHz(image.Read(Addr::kCustomLower, 4));
        band.upper = FreqFieldMHz(image.Read(Addr::kCustomUpper, 4));
        return band;
    }
    CatalogueBandLimits(band.code, band);
    return band;
}

bool CatalogueBandLimits(const std::string& code, BandState& band)
{
    for (const BandLimits& b : kBandLimits) {
        if (code == b.code) {
            band.code = code;
            band.lower = b.lower;
            band.upper = b.upper;
            return true;
        }
    }
    return false;
}

void ApplyBand(const std::string& imageText, bool fromRadio)
{
    if (!CodePlug::IsValidImageText(imageText))
        return; // nothing to take the band from; the previous state stays
    const CodePlug image(imageText);
    g_band = BandStateOf(image, g_band);
    g_modelInfo.serialNumber = HexToText(image.Read(Addr::kSerialNumber, 15));
    g_modelInfo.hardwareVersion = HexToText(image.Read(Addr::kHardwareVersion, 8));
    g_modelInfo.pcVersion = VersionText(image.Read(Addr::kPcVersion, 3));
    if (!fromRadio)
        g_modelInfo.mcuVersion = VersionText(image.Read(Addr::kMcuVersion, 2));
}

std::string ApplyPresetRange(const std::string& /*image*/, const std::string& code, const std::string& range)
{
    const std::string band = ToUpperAscii(code);
    if (!IsBandCodeText(band))
        return {};
    CodePlug image(BuildBandImage(band));
    for (const PresetRange& p : kPresetRanges) {
        if (range != p.range)
            continue;
        // The model block names the custom code, so the next ApplyBand takes the limits from 0x0350.
        image.Write(Addr::kModelBlock, GetModelHead(1, 1) + band + "F8FF");
        image.Write(Addr::kCustomLower, p.record);
        if (p.narrowConfig)
            image.WriteByte(Addr::kRadioConfigFlags, 0xF8);
        break;
    }
    return image.Text();
}

std::string BuildCustomTestFreqs(const std::string& imageText)
{
    if (!CodePlug::IsValidImageText(imageText))
        return imageText;
    CodePlug image(imageText);
    if (BandCodeOf(image.Text()) != CustomBandCode())
        return image.Text();
    const double lower = g_band.lower;
    const double upper = g_band.upper;
    const double middle = (lower + upper) / 2;
    // A frequency the field cannot hold (below 10 MHz, above 999 MHz) is written as "none", so the
    // three records keep their 16-byte places in the table.
    auto field = [](double mhz) {
        const std::string f = EncodeFreq(mhz);
        return f.empty() ? std::string("FFFFFFFF") : f;
    };
    std::string block;
    block += field(lower) + field(lower + 0.125) + "FFFFFFFFFF0000FF";
    block += field(middle) + field(middle + 0.125) + "FFFFFFFFFF0000FF";
    block += field(upper) + field(upper - 0.025) + "FFFFFFFFFF0000FF";
    image.Write(Addr::kTestFreqs, block + RepeatFill("F", 2 * kTestBlockBytes - block.size()));
    return image.Text();
}

bool FreqOutOfBand(double mhz, const BandState& band)
{
    return mhz != 0 && (mhz < band.lower - 0.000001 || mhz > band.upper + 0.000001);
}
