// Sample channels for widget tests and screenshots, stored from frequencies and tone texts the way
// the channel editor stores them; and the port list of a computer with two USB programming cables.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "codeplug/ChannelRecord.h"
#include "codeplug/CodePlug.h"
#include "codeplug/FreqCodec.h"
#include "link/PortNames.h"

struct SampleChannel {
    double rx, tx; // MHz; tx 0 = does not transmit
    const char* decode;
    const char* encode;
    bool wide = true, high = true, scan = true;
};

// Channels 1, 2, ... of the image, in the order given.
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

// COM1 and COM2 on USB adapters the system describes (the first with a long description), COM3 a
// built-in port this user may not open, the others without a device.
inline std::vector<PortProbe> ProbeWithAdapters()
{
    std::vector<PortProbe> probes;
    for (int n = 1; n <= kComPortCount; ++n) {
        PortProbe p;
        p.number = n;
        p.name = "com" + std::to_string(n);
        if (n == 1) {
            p.device = "/dev/ttyUSB0";
            p.available = true;
            p.description = "CP2102 USB to UART Bridge Controller";
            p.maker = "Silicon Labs";
        } else if (n == 2) {
            p.device = "/dev/ttyUSB1";
            p.available = true;
            p.description = "USB Serial";
            p.maker = "QinHeng Electronics";
        } else if (n == 3) {
            p.device = "/dev/ttyS4";
            p.reason = "/dev/ttyS4: Permission denied";
        }
        probes.push_back(p);
    }
    return probes;
}
