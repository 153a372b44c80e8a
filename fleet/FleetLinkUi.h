// The window side of one port's write as a fleet run sees it: the write's progress becomes the port's
// state (backing up n of 16, writing n of 45 frames actually sent, verifying n of 16); nobody is asked
// anything (the file was checked once before the run, and a radio of another band never reaches the
// write).
#pragma once

#include <vector>

#include "codeplug/CodePlug.h"
#include "link/LinkUi.h"

class FleetUi;

class FleetLinkUi : public NullLinkUi {
public:
    FleetLinkUi(FleetUi& ui, int port, const CodePlug& plug);

    void SetProgressPos(int pos) override;
    bool AskYesNo(int) override { return false; }
    bool AskWriteAnyway(const PreWriteCheck&) override { return true; }

    // The frames a write of the plug sends (45).
    int FramesSent() const { return m_sentBefore.back(); }

private:
    FleetUi& m_ui;
    int m_port;
    std::vector<int> m_sentBefore; // [n]: frames sent up to and including block n (0..52)
    int m_lastShown = -1;
};
