// The sample radio of the tuning tests and the frames of its tuning conversation.
#include "TuningTestSupport.h"

#include "link/Protocol.h"
#include "service/TuningItems.h"

std::string SampleAlignmentBlock() { return SimulatedRadio::SampleAlignmentHex(); }

void PrepareTuningRadio(SimulatedRadio& radio)
{
    radio.SetModelText("R736");
    radio.LoadSampleAlignment();
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
