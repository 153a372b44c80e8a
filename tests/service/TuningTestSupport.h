// Shared pieces of the tuning tests: a radio prepared as a family radio with a known alignment block,
// the frames that entering its tuning mode sends, and a window stand-in that records what it was told.
#pragma once

#include <string>
#include <vector>

#include "link/SimulatedRadio.h"
#include "service/TuningUi.h"

// The sample alignment block of the simulated radio (128 hex digits): test points P1 to P5 with
// receive/transmit 400.025/400.05, 417.5/417.525, 435.0/435.025, 452.5/452.525 and 469.975/469.95 MHz,
// item k's value 0x60 + 4k.
std::string SampleAlignmentBlock();
// Model tag "R736" and the sample block at 0x02A0.
void PrepareTuningRadio(SimulatedRadio& radio);

// Frames of a fault-free entering: handshake, "10", the service code (when asked), the eight block
// reads with their acknowledges, TEST.
std::vector<std::string> EnteringFrames(bool withServiceCode = true);

class RecordingTuningUi : public TuningUi {
public:
    void ShowTuning(const TuningView& v) override
    {
        view = v;
        ++shows;
    }
    void StartPollTimer(int ms) override { pollStarts.push_back(ms); }
    void StopPollTimer() override { ++pollStops; }
    void ShowLog(const std::string& text) override { log = text; }
    void ReportMessage(int textNumber, const std::string&) override { messages.push_back(textNumber); }
    void SetWaitCursor(bool on) override { waitCursor = on; }

    TuningView view;
    int shows = 0;
    std::vector<int> pollStarts;
    int pollStops = 0;
    std::string log;
    std::vector<int> messages;
    bool waitCursor = false;
};
