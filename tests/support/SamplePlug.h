// A dealer's typical code plug for screenshots and report tests: repeater pairs, simplex channels, one
// receive-only channel and one outside the band, priority scan on channel 2.
#pragma once

#include "codeplug/AddressMap.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/CodePlug.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/ToneCodec.h"

#include <initializer_list>
#include <string>

struct SampleChannel {
    double rx, tx; // MHz; tx 0 = does not transmit
    const char* decode;
    const char* encode;
    bool wide = true, high = true, scan = true;
};

// Channels 1, 2, ... of the image in the order given, stored from their frequencies and tone texts
// the way the channel editor stores them.
inline void StoreSampleChannels(CodePlug& image, std::initializer_list<SampleChannel> channels)
{
    int n = 1;
    for (const SampleChannel& c : channels) {
        ChannelInput in;
        int cls = 0;
        in.rxText = SnapFreq(FormatMHz(c.rx), 4, cls);
        in.rxClass = cls;
        in.txText = c.tx > 0 ? SnapFreq(FormatMHz(c.tx), 4, cls) : std::string();
        in.txClass = cls;
        in.decodeTone = c.decode;
        in.encodeTone = c.encode;
        in.wide = c.wide;
        in.highPower = c.high;
        StoreChannel(image, n++, in, c.scan);
    }
}

// Stores the sample channels 1 ... 10 and a few general settings into the image.
inline void FillSamplePlug(CodePlug& image)
{
    StoreSampleChannels(image, {
                                   {438.500, 430.900, "88.5", "88.5", true, true, true},
                                   {438.525, 430.925, "D023N", "D023N", true, true, true},
                                   {446.00625, 446.00625, "", "", false, false, true},
                                   {446.01875, 446.01875, "67.0", "67.0", false, false, true},
                                   {433.500, 433.500, "", "", true, true, false},
                                   {462.5625, 0, "", "", true, true, true},
                                   {410.125, 415.125, "123.0", "D754I", true, true, true},
                                   {480.000, 480.000, "", "", true, false, false},
                                   {420.000, 420.000, "100.0", "100.0", true, true, true},
                                   {455.250, 460.250, "D114N", "D114N", false, true, true},
                               });
    image.WriteByte(Addr::kPriorityMode, 1);
    image.WriteByte(Addr::kPriorityChannel, 2);
    image.WriteByte(Addr::kTimeOut, 12);
    image.WriteByte(Addr::kBatterySave, 1);
}
