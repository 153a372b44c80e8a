// A tuning session against the in-process simulated radio, with the project's texts in a temporary
// application directory; entering is left to each test.
#pragma once

#include <gtest/gtest.h>

#include "tests/link/LinkTestSupport.h"
#include "TuningTestSupport.h"
#include "codeplug/ModelCatalogue.h"
#include "link/SimulatedPort.h"
#include "service/TuningSession.h"
#include "tests/support/TestAppDir.h"

class TuningFixture : public ::testing::Test {
protected:
    TuningFixture() : dir("vpx-tuning-", TestAppDir::Texts::Project), port(radio), session(port, ui)
    {
        g_nLanguage = kLangEnglish;
        ResetLangTextCache();
        g_nRadioType = 3;
        PrepareTuningRadio(radio);
    }
    ~TuningFixture() override { g_nRadioType = 3; }

    // Enters the tuning mode and forgets the frames it took.
    void EnterAndForget()
    {
        ASSERT_EQ(session.Enter(), TuningSession::EnterResult::Entered);
        radio.ClearFrames();
    }
    const std::string& LastFrame() const { return radio.Frames().back(); }
    int StoredInRadio(int item) const { return radio.MemoryByte(0x02A0 + 40 + item); }

    TestAppDir dir;
    SimulatedRadio radio;
    SimulatedPort port;
    RecordingTuningUi ui;
    TuningSession session;
};

// A second radio with its own session, for cases that need a fresh conversation.
struct TuningBench {
    TuningBench() : port(radio), session(port, ui) { PrepareTuningRadio(radio); }
    SimulatedRadio radio;
    SimulatedPort port;
    RecordingTuningUi ui;
    TuningSession session;
};

// A fault of the simulated radio on every frame beginning with prefix from its frame-th one on.
inline SimFault TuningFault(SimFault::Kind kind, const std::string& prefix, int frame = 1)
{
    return Fault(kind, prefix, frame, 0);
}
