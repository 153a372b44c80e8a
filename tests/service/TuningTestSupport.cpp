// The sample radio of the tuning tests and the frames of its tuning conversation.
#include "TuningTestSupport.h"

#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "link/Protocol.h"
#include "service/TuningItems.h"

const SamplePoint kSamplePoints[5] = {
    {400.025, 400.05}, {417.5, 417.525}, {435.0, 435.025}, {452.5, 452.525}, {469.975, 469.95},
};

std::string SampleAlignmentBlock()
{
    std::string hex;
    for (const SamplePoint& p : kSamplePoints)
        hex += EncodeFreq(p.receive) + EncodeFreq(p.transmit);
    for (int k = 0; k < kTuningItems; ++k)
        hex += IntToHex(0x60 + 4 * k, 1);
    hex += "FFFFFF";
    return hex;
}

void PrepareTuningRadio(SimulatedRadio& radio)
{
    radio.SetModelText("R736");
    radio.SetMemoryHex(SpliceHex(radio.MemoryHex(), 2 * TuningBlock::kAddress, 2 * TuningBlock::kBytes,
                                 SampleAlignmentBlock()));
}

std::vector<std::string> EnteringFrames(bool withServiceCode)
{
    std::vector<std::string> frames = {FRAME_PROGRAM, FRAME_IDENTITY, FRAME_ACK, FRAME_READ_ACCESS};
    if (withServiceCode)
        frames.push_back(ServiceCodeFrame());
    for (int n = 0; n < TuningBlock::kReads; ++n) {
        frames.push_back(ReadRequestFrame(TuningBlock::kAddress + 8 * n, 8));
        frames.push_back(FRAME_ACK);
    }
    frames.push_back(FRAME_TEST);
    return frames;
}
