// The 16-byte channel record: assembling it from the editor's texts and rendering it for the table.
#pragma once

#include <string>

#include "codeplug/CodePlug.h"
#include "codeplug/ModelCatalogue.h"

struct ChannelInput {
    std::string rxText;     // receive frequency text, empty for an unused channel
    std::string txText;     // transmit frequency text, empty when the channel does not transmit
    std::string decodeTone; // tone texts as the lists show them
    std::string encodeTone;
    bool wide = true;
    bool highPower = true;
    int rxClass = 0; // step classes from SnapFreq; the record takes them from the texts themselves and
    int txClass = 0; // keeps txClass only for a channel without a transmit frequency
};

// 32 hex characters; 16 x FF for an empty receive text.
std::string AssembleChannelRecord(const ChannelInput& in);
// Writes the record of channel n (1..16) and its scan flag (cleared for an empty receive text).
void StoreChannel(CodePlug& image, int n, const ChannelInput& in, bool scan);

bool GetScanFlag(const CodePlug& image, int n);
void SetScanFlag(CodePlug& image, int n, bool scan);

// What a row of the channel table shows for channel n.
struct ChannelRow {
    bool blank = true;
    std::string rx, tx, decode, encode; // tx and encode empty when the channel does not transmit
    bool rxOutOfBand = false, txOutOfBand = false;
    bool wide = false, highPower = false, scan = false;
};
ChannelRow RenderChannelRow(const CodePlug& image, int n, const BandState& band);
