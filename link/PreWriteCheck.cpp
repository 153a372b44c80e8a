// The check a code plug passes before it is written: band, channels in use and tones.
#include "link/PreWriteCheck.h"

#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/HexText.h"
#include "codeplug/NumberText.h"
#include "codeplug/ToneCodec.h"

namespace {

constexpr int kChannels = 16;
constexpr int kTextNoChannel = 9624;
constexpr int kTextReceiveOutOfBand = 9622; // "Channel %1: receive frequency %2 MHz ... %3-%4 MHz"
constexpr int kTextTransmitOutOfBand = 9623;
constexpr int kTextDecodeTone = 9625; // "Channel %1: decode tone %2 ..."
constexpr int kTextEncodeTone = 9626;
constexpr int kTextMoreLines = 9577; // "... and %1 more lines"

int TextOf(WriteProblemKind kind)
{
    switch (kind) {
    case WriteProblemKind::NoChannel:
        return kTextNoChannel;
    case WriteProblemKind::ReceiveOutOfBand:
        return kTextReceiveOutOfBand;
    case WriteProblemKind::TransmitOutOfBand:
        return kTextTransmitOutOfBand;
    case WriteProblemKind::DecodeToneUnusable:
        return kTextDecodeTone;
    case WriteProblemKind::EncodeToneUnusable:
        return kTextEncodeTone;
    }
    return 0;
}

} // namespace

bool RadioBandLimits(const std::string& radioBandCode, const CodePlug& image, BandState& band)
{
    const std::string code = ToUpperAscii(radioBandCode);
    if (CatalogueBandLimits(code, band))
        return true;
    // The custom band keeps its limits in the code plug; the radio's own are never read, so the code
    // plug's stand for them when both are of that band.
    if (code != "FF" || BandCodeOf(image.Text()) != code)
        return false;
    band = BandStateOf(image, BandState{});
    return band.lower > 0 && band.upper >= band.lower;
}

PreWriteCheck CheckBeforeWrite(const CodePlug& image, const std::string& radioBandCode)
{
    PreWriteCheck check;
    check.bandKnown = RadioBandLimits(radioBandCode, image, check.band);
    int inUse = 0;
    for (int n = 1; n <= kChannels; ++n) {
        const ChannelRow row = RenderChannelRow(image, n, check.band);
        if (row.blank)
            continue;
        ++inUse;
        auto add = [&](WriteProblemKind kind, const std::string& value) {
            check.problems.push_back({kind, n, TrimBlanks(value)});
        };
        if (check.bandKnown && row.rxOutOfBand)
            add(WriteProblemKind::ReceiveOutOfBand, row.rx);
        if (check.bandKnown && row.txOutOfBand)
            add(WriteProblemKind::TransmitOutOfBand, row.tx);
        const std::string record = image.Read(Addr::ChannelAddress(n), 16);
        // A channel that does not transmit sends no tone, whatever its encode field holds.
        if (record.substr(16, 4) != "FFFF" && !IsListedTone(row.decode))
            add(WriteProblemKind::DecodeToneUnusable, row.decode);
        if (!row.tx.empty() && record.substr(20, 4) != "FFFF" && !IsListedTone(row.encode))
            add(WriteProblemKind::EncodeToneUnusable, row.encode);
    }
    if (inUse == 0)
        check.problems.push_back({WriteProblemKind::NoChannel, 0, std::string()});
    return check;
}

std::string DescribeWriteProblems(const PreWriteCheck& check, std::size_t maxLines)
{
    std::string text;
    for (std::size_t i = 0; i < check.problems.size() && i < maxLines; ++i) {
        const WriteProblem& p = check.problems[i];
        if (!text.empty())
            text += "\n";
        text += GetLangTextWith(TextOf(p.kind),
                                {std::to_string(p.channel), p.value, FormatShortDecimal(check.band.lower),
                                 FormatShortDecimal(check.band.upper)});
    }
    if (check.problems.size() > maxLines) {
        text += "\n"; // appended piece by piece (GCC 12 -Wrestrict at -O3)
        text += GetLangTextWith(kTextMoreLines, {std::to_string(check.problems.size() - maxLines)});
    }
    return text;
}
