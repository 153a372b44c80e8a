// The window side of the tuning mode as the tuning session sees it: what the window shows of the item
// being tuned, the poll timer of the live item, and (from LinkUi) the log, messages and wait cursor.
#pragma once

#include <string>

#include "link/LinkUi.h"

// Everything the tuning window shows besides the list and the log, as one snapshot.
struct TuningView {
    int item = -1;    // item on screen (-1: none, before entering succeeded)
    std::string name; // item name label
    std::string receiveText;
    std::string transmitText;
    bool showReceive = false;  // receive label, value and unit
    bool showTransmit = false; // transmit label, value and unit
    int value = 0;             // slider position and value label
    bool noteVisible = false;  // the sensitivity note (items 16 to 20)

    bool editing = false; // an item is being tuned: exactly while Cancel is enabled
    bool listEnabled = true;
    bool rangeLabels = false; // "0" and "255"
    bool valueLabel = false;
    bool slider = false;
    bool minus = false;
    bool plus = false;
    bool ok = false;
    bool cancel = false;
};

class TuningUi : public LinkUi {
public:
    // The whole view after every change the session makes.
    virtual void ShowTuning(const TuningView& view) = 0;
    // The live item's poll: one tick after ms (the session asks again after each tick it wants).
    virtual void StartPollTimer(int ms) = 0;
    virtual void StopPollTimer() = 0;

    // The tuning window has no progress bar and no start button, and asks no question.
    void SetProgressRange(int, int) override {}
    void SetProgressPos(int) override {}
    bool AskYesNo(int) override { return false; }
    bool AskWriteAnyway(const PreWriteCheck&) override { return false; }
    void SetButtonEnabled(bool) override {}
};
