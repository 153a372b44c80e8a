// What is looked at before a code plug goes into a radio: channels outside the band the radio reports,
// a code plug without any channel, and tones the radio cannot use. The write asks before it sends a
// code plug with such problems; a clean one goes without a question.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "codeplug/CodePlug.h"
#include "codeplug/ModelCatalogue.h"

enum class WriteProblemKind {
    NoChannel,          // not one channel in use
    ReceiveOutOfBand,   // value: the receive frequency as the channel table shows it
    TransmitOutOfBand,  // value: the transmit frequency
    DecodeToneUnusable, // value: the decode tone's text
    EncodeToneUnusable, // value: the encode tone's text
};

struct WriteProblem {
    WriteProblemKind kind = WriteProblemKind::NoChannel;
    int channel = 0; // 1 ... 16; 0 for a problem of the whole code plug
    std::string value;

    bool operator==(const WriteProblem&) const = default;
};

struct PreWriteCheck {
    bool bandKnown = false; // the radio's band has limits this program knows
    BandState band;         // the radio's band and its limits (while bandKnown)
    std::vector<WriteProblem> problems;

    bool Clean() const { return problems.empty(); }
};

// The band a radio reports (identity byte 5) with its limits: the catalogue's, or for the custom code
// the limits the code plug carries when the code plug is of that band too.
bool RadioBandLimits(const std::string& radioBandCode, const CodePlug& image, BandState& band);

// The problems of image for a radio of band radioBandCode, channel by channel in channel order.
PreWriteCheck CheckBeforeWrite(const CodePlug& image, const std::string& radioBandCode);

// One line per problem in the interface language ("Channel 3: receive frequency 151.00000 MHz is
// outside the radio's band 400-470 MHz"); beyond maxLines the rest are counted in a last line.
std::string DescribeWriteProblems(const PreWriteCheck& check, std::size_t maxLines = 1000);
