// Differences of two code plugs through the texts the editor page shows for each, with the bytes
// behind every field so that no differing byte goes unmentioned.
#include "codeplug/CodePlugDiff.h"

#include <array>

#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/ChannelTableLogic.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/NumberText.h"
#include "codeplug/PanelLogic.h"
#include "codeplug/PanelReport.h"

namespace {

constexpr int kTextBand = 9559;
constexpr int kCustomLimitBytes = 8; // lower and upper limit of the custom band at 0x0350
constexpr int kRecordBytes = 16;

// The bytes each general setting of the page is stored in.
struct FieldBytes {
    const char* key;
    int address;
    int count;
};
constexpr std::array<FieldBytes, 15> kPanelBytes = {{
    {"model", Addr::kModelBlock, 8},
    {"voiceLanguage", Addr::kVoiceLanguage, 1},
    {"pf1", Addr::kPf1Key, 1},
    {"timeOut", Addr::kTimeOut, 1},
    {"preAlert", Addr::kTimeOutPreAlert, 1},
    {"squelch", Addr::kSquelch, 1},
    {"batterySave", Addr::kBatterySave, 1},
    {"wiredClone", Addr::kWiredClone, 1},
    {"priorityMode", Addr::kPriorityMode, 1},
    {"priorityChannel", Addr::kPriorityChannel, 1},
    {"scanBackA", Addr::kScanBackA, 1},
    {"scanBackB", Addr::kScanBackB, 1},
    {"revertChannel", Addr::kRevertChannel, 1},
    {"pause", Addr::kTxPause, 2},
    {"dwell", Addr::kScanDwell, 2},
}};

constexpr std::array<const char*, kTableColumns> kCellKeys = {"channel", "rx",        "tx",    "decode",
                                                              "encode",  "bandwidth", "power", "scan"};

// The band of an image with limits only where the band has its own (0 - 0 otherwise).
BandState LimitsOf(const CodePlug& image) { return BandStateOf(image, BandState{"", 0.0, 0.0}); }

class ExplainedBytes {
public:
    void Mark(int address, int count)
    {
        for (int a = address; a < address + count && a < CodePlug::kBytes; ++a)
            m_bytes[static_cast<std::size_t>(a)] = true;
    }
    void MarkScanBit(int channel) { m_scanBits |= 1u << (channel - 1); }
    bool Explains(int address, int before, int after) const
    {
        if (address == Addr::kScanFlags || address == Addr::kScanFlags + 1) {
            // One byte holds the scan bits of eight channels: each differing bit needs its channel.
            const int shift = (address - Addr::kScanFlags) * 8;
            const unsigned bits = static_cast<unsigned>(before ^ after) << shift;
            return (bits & ~m_scanBits) == 0;
        }
        return m_bytes[static_cast<std::size_t>(address)];
    }

private:
    std::array<bool, CodePlug::kBytes> m_bytes{};
    unsigned m_scanBits = 0;
};

void DiffBand(const CodePlug& before, const CodePlug& after, CodePlugDiff& diff, ExplainedBytes& explained)
{
    const std::string a = BandText(before);
    const std::string b = BandText(after);
    if (a == b)
        return;
    diff.band = FieldChange{"band", GetLangText(kTextBand), a, b};
    explained.Mark(Addr::kModelBlock, 8);
    if (BandCodeOf(before.Text()) == "FF" || BandCodeOf(after.Text()) == "FF")
        explained.Mark(Addr::kCustomLower, kCustomLimitBytes);
}

void DiffSettings(const CodePlug& before, const CodePlug& after, CodePlugDiff& diff,
                  ExplainedBytes& explained)
{
    const std::vector<PanelField> a = DescribeImagePanel(before, BandCodeOf(before.Text()));
    const std::vector<PanelField> b = DescribeImagePanel(after, BandCodeOf(after.Text()));
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i].text == b[i].text)
            continue;
        diff.settings.push_back({a[i].key, a[i].caption, a[i].text, b[i].text});
        for (const FieldBytes& f : kPanelBytes)
            if (a[i].key == f.key)
                explained.Mark(f.address, f.count);
    }
}

void DiffChannels(const CodePlug& before, const CodePlug& after, CodePlugDiff& diff,
                  ExplainedBytes& explained)
{
    const BandState bandBefore = LimitsOf(before);
    const BandState bandAfter = LimitsOf(after);
    const auto headers = ChannelTableHeaders();
    for (int n = 1; n <= 16; ++n) {
        const ChannelCells a = ChannelRowCells(before, n, bandBefore);
        const ChannelCells b = ChannelRowCells(after, n, bandAfter);
        ChannelChange change{n, {}};
        for (int c = kColRx; c < kTableColumns; ++c) {
            const auto col = static_cast<std::size_t>(c);
            if (a.text[col] != b.text[col])
                change.cells.push_back({c, kCellKeys[col], headers[col], a.text[col], b.text[col]});
        }
        if (change.cells.empty())
            continue;
        diff.channels.push_back(change);
        explained.Mark(Addr::ChannelAddress(n), kRecordBytes);
        explained.MarkScanBit(n);
    }
}

} // namespace

std::string BandText(const CodePlug& image)
{
    const BandState band = LimitsOf(image);
    if (band.lower == 0.0 && band.upper == 0.0)
        return band.code;
    std::string text = band.code;
    text += " (";
    text += FormatFixed(band.lower, 5);
    text += " - ";
    text += FormatFixed(band.upper, 5);
    text += " MHz)";
    return text;
}

CodePlugDiff DiffCodePlugs(const CodePlug& before, const CodePlug& after)
{
    CodePlugDiff diff;
    if (before == after)
        return diff;
    ExplainedBytes explained;
    DiffBand(before, after, diff, explained);
    DiffSettings(before, after, diff, explained);
    DiffChannels(before, after, diff, explained);
    for (int a = 0; a < CodePlug::kBytes; ++a) {
        const int x = before.ReadByte(a);
        const int y = after.ReadByte(a);
        if (x != y && !explained.Explains(a, x, y))
            diff.otherBytes.push_back({a, x, y});
    }
    return diff;
}
