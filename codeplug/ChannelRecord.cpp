// The 16-byte channel record: built from the channel editor's texts, stored with its scan flag, and
// rendered as a row of the channel table.
#include "codeplug/ChannelRecord.h"

#include "codeplug/AddressMap.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/ToneCodec.h"

namespace {

constexpr int kRecordChars = 32;
constexpr int kChannelCount = 16;

bool ValidChannel(int n) { return n >= 1 && n <= kChannelCount; }

// Step-class bits of byte 14: "01" for the 5 kHz class, "10" for the 6.25 kHz class.
const char* ClassBits(int stepClass) { return stepClass == 1 ? "10" : "01"; }

// Scan flag of channel n: bit (n-1) mod 8 of byte 0x017E + (n-1) div 8.
int ScanByteAddress(int n) { return Addr::kScanFlags + (n - 1) / 8; }
int ScanBit(int n) { return (n - 1) % 8; }

} // namespace

std::string AssembleChannelRecord(const ChannelInput& in)
{
    if (TrimBlanks(in.rxText).empty())
        return std::string(kRecordChars, 'F');

    // The step classes follow from the texts themselves, so a record always agrees with its frequencies.
    // A channel that does not transmit has no frequency to take a class from: it keeps the caller's.
    int rxClass = 0;
    int txClass = in.txClass;
    const std::string rx = FreqTextToBcd(SnapFreq(in.rxText, 4, rxClass));
    const std::string tx =
        TrimBlanks(in.txText).empty() ? "FFFFFFFF" : FreqTextToBcd(SnapFreq(in.txText, 4, txClass));

    std::string flags = "FF";
    flags = SetBit(flags, 4, in.wide ? 1 : 0);
    flags = SetBit(flags, 5, in.highPower ? 1 : 0);
    std::string steps = SetBits("FF", 6, 2, ClassBits(rxClass));
    steps = SetBits(steps, 4, 2, ClassBits(txClass));

    std::string record =
        rx + tx + EncodeTone(in.decodeTone) + EncodeTone(in.encodeTone) + "FF" + flags + steps + "FF";
    record += RepeatFill("F", kRecordChars);
    record.resize(kRecordChars);
    return record;
}

bool GetScanFlag(const CodePlug& image, int n)
{
    if (!ValidChannel(n))
        return false;
    return GetBit(image.Read(ScanByteAddress(n), 1), ScanBit(n)) == 1;
}

void SetScanFlag(CodePlug& image, int n, bool scan)
{
    if (!ValidChannel(n))
        return;
    const std::string byte = SetBit(image.Read(ScanByteAddress(n), 1), ScanBit(n), scan ? 1 : 0);
    image.Write(ScanByteAddress(n), byte);
}

void StoreChannel(CodePlug& image, int n, const ChannelInput& in, bool scan)
{
    if (!ValidChannel(n))
        return;
    const std::string record = AssembleChannelRecord(in);
    if (!IsHexText(record))
        return;
    image.Write(Addr::ChannelAddress(n), record);
    SetScanFlag(image, n, TrimBlanks(in.rxText).empty() ? false : scan);
}

ChannelRow RenderChannelRow(const CodePlug& image, int n, const BandState& band)
{
    ChannelRow row;
    if (!ValidChannel(n))
        return row;
    const std::string record = image.Read(Addr::ChannelAddress(n), 16);
    const std::string rxField = record.substr(0, 8);
    if (record == std::string(kRecordChars, 'F') || record == std::string(kRecordChars, '0') ||
        rxField == "FFFFFFFF")
        return row;

    row.blank = false;
    const double rx = FreqFieldMHz(rxField);
    row.rx = FormatMHz(rx);
    row.rxOutOfBand = FreqOutOfBand(rx, band);
    row.decode = DecodeTone(record.substr(16, 4));

    const std::string txField = record.substr(8, 8);
    if (txField != "FFFFFFFF") {
        const double tx = FreqFieldMHz(txField);
        row.tx = FormatMHz(tx);
        row.txOutOfBand = FreqOutOfBand(tx, band);
        row.encode = DecodeTone(record.substr(20, 4));
    }

    const std::string flags = record.substr(26, 2);
    row.wide = GetBit(flags, 4) == 1;
    row.highPower = GetBit(flags, 5) == 1;
    row.scan = GetScanFlag(image, n);
    return row;
}
