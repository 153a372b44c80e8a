// A radio's alignment block as a technician would find it: five test points across the band, the
// items' values, and bytes after the last item that no table shows (they must survive every trip).
#pragma once

#include <string>

#include "codeplug/AddressMap.h"
#include "codeplug/CodePlug.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"

// 128 hex digits: receive and transmit frequency of each test point, items 0-20 from byte 40 on,
// then 0x5A 0xC3 0x00 in bytes 61-63.
inline std::string SampleAlignmentBlock()
{
    const double points[5][2] = {
        {400.05, 400.05}, {415.125, 415.125}, {435.0125, 435.5}, {455.25, 455.25}, {469.975, 469.975}};
    std::string block;
    for (const auto& point : points)
        block += EncodeFreq(point[0]) + EncodeFreq(point[1]);
    const int items[21] = {131, 118, 196, 201, 205, 210, 214, 92,  95,  97, 99,
                           102, 40,  52,  34,  46,  120, 122, 125, 127, 130};
    for (int value : items)
        block += IntToHex(value, 1);
    return block + "5AC300";
}

// A band-33 radio memory with that block at 0x02A0.
inline std::string MemoryWithAlignment(const std::string& block)
{
    CodePlug memory(BuildBandImage("33"));
    memory.Write(Addr::kAlignment, block);
    return memory.Text();
}
