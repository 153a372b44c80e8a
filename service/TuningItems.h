// The 21 tuning items of the radio's alignment block: their names composed from the interface texts,
// their kinds, their test points, and the 64-byte block itself as the tuning window holds it.
#pragma once

#include <string>

#include "codeplug/AddressMap.h"
#include "service/AlignmentLayout.h"

inline constexpr int kTuningItems = 21;
inline constexpr int kTuningTestPoints = 5;

enum class TuningItemKind {
    LiveValue,      // item 0: read-only, polled from the radio while it is being looked at
    Adjustable,     // items 1 to 11
    InspectionOnly, // items 12 to 15: only looked at in the list, shown in a distinct colour
    Sensitivity,    // items 16 to 20: the note shows; adjustable only while the radio type is below 3
};

TuningItemKind ItemKind(int item);

// The item's list name (interface texts in the current language).
std::string TuningItemName(int item);

// Test point (0 to 4: P1 to P5) of an item: the first whose text occurs in the item's name, P3 when none.
int TestPointOf(const std::string& itemName);

// Whether the item shows the receive frequency of its test point (item 0 and items 16 to 20) rather
// than the transmit one (items 1 to 15).
bool ShowsReceiveFrequency(int item);

// A frequency label of the window (text 4020 or 4021) followed by ": ", without the unit that the
// text may carry in brackets (the unit has its own label beside the value).
std::string FrequencyLabelText(int textNumber);

// The radio's alignment block at 0x02A0: five test points of 8 bytes (receive then transmit frequency
// in the BCD frequency code), then item k's value at byte 40 + k; bytes 61 to 63 are not used here.
class TuningBlock {
public:
    static constexpr int kAddress = Addr::kAlignment;
    static constexpr int kBytes = kAlignmentBytes;
    static constexpr int kReads = kAlignmentBlocks;
    static constexpr int kReadBytes = kAlignmentBlockBytes;
    static constexpr int kFirstItemByte = kFirstParamByte;

    // 128 hex digits; anything else leaves the block empty (invalid).
    TuningBlock() = default;
    explicit TuningBlock(const std::string& hex);

    bool IsValid() const { return m_hex.size() == 2 * kBytes; }
    const std::string& Hex() const { return m_hex; }

    // Item k's stored value 0 to 255 (-1 when the block or the item is invalid).
    int ItemValue(int item) const;
    void SetItemValue(int item, int value);

    // Frequency texts of a test point ("433.02500"; empty for an unset field).
    std::string ReceiveText(int testPoint) const;
    std::string TransmitText(int testPoint) const;

private:
    std::string FreqText(int byteOffset) const;
    std::string m_hex;
};
