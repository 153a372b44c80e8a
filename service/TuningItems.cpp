// Names, kinds and test points of the tuning items, and the alignment block they live in.
#include "service/TuningItems.h"

#include "app/LangText.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"

namespace {

// Interface texts of the item names: the five test points P1 to P5, the bandwidths Q1 and Q2.
constexpr int kTestPointTexts[kTuningTestPoints] = {6837, 6838, 6839, 6840, 6841};
constexpr int kWideText = 6842;
constexpr int kNarrowText = 6843;
constexpr int kMidPoint = 2;

std::string Point(int p) { return GetLangText(kTestPointTexts[p]); }

bool ValidItem(int item) { return item >= 0 && item < kTuningItems; }

} // namespace

TuningItemKind ItemKind(int item)
{
    if (item == 0)
        return TuningItemKind::LiveValue;
    if (item >= 12 && item <= 15)
        return TuningItemKind::InspectionOnly;
    if (item >= 16)
        return TuningItemKind::Sensitivity;
    return TuningItemKind::Adjustable;
}

std::string TuningItemName(int item)
{
    if (!ValidItem(item))
        return std::string();
    if (item == 0)
        return GetLangText(7011);
    if (item == 1)
        return GetLangText(7012);
    if (item <= 6)
        return GetLangText(4107) + Point(item - 2);
    if (item <= 11)
        return GetLangText(7013) + Point(item - 7);
    if (item <= 15) {
        const int kind = item <= 13 ? 7014 : 7015;
        const int band = item % 2 == 0 ? kWideText : kNarrowText;
        return GetLangText(kind) + GetLangText(band);
    }
    return GetLangText(7016) + Point(item - 16) + GetLangText(kNarrowText);
}

int TestPointOf(const std::string& itemName)
{
    for (int p = 0; p < kTuningTestPoints; ++p) {
        const std::string text = Point(p);
        if (!text.empty() && itemName.find(text) != std::string::npos)
            return p;
    }
    return kMidPoint;
}

bool ShowsReceiveFrequency(int item) { return item == 0 || item >= 16; }

std::string FrequencyLabelText(int textNumber)
{
    std::string text = GetLangText(textNumber);
    for (const char* unit : {" (MHz)", "(MHz)", "（MHz）"}) {
        const std::size_t at = text.rfind(unit);
        if (at != std::string::npos && at + std::string(unit).size() == text.size()) {
            text.erase(at);
            break;
        }
    }
    return text + ": ";
}

TuningBlock::TuningBlock(const std::string& hex)
{
    if (hex.size() == 2 * kBytes && IsHexText(hex))
        m_hex = ToUpperAscii(hex);
}

int TuningBlock::ItemValue(int item) const
{
    if (!IsValid() || !ValidItem(item))
        return -1;
    return static_cast<int>(HexToInt(m_hex.substr(2 * static_cast<std::size_t>(kFirstItemByte + item), 2)));
}

void TuningBlock::SetItemValue(int item, int value)
{
    if (!IsValid() || !ValidItem(item) || value < 0 || value > 255)
        return;
    m_hex = SpliceHex(m_hex, 2 * static_cast<std::size_t>(kFirstItemByte + item), 2, IntToHex(value, 1));
}

std::string TuningBlock::FreqText(int byteOffset) const
{
    if (!IsValid())
        return std::string();
    return TrimBlanks(DecodeFreq(m_hex.substr(2 * static_cast<std::size_t>(byteOffset), 8)));
}

std::string TuningBlock::ReceiveText(int testPoint) const { return FreqText(8 * testPoint); }
std::string TuningBlock::TransmitText(int testPoint) const { return FreqText(8 * testPoint + 4); }
