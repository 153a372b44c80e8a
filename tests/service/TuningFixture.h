// A tuning session against the in-process simulated radio, with the project's texts in a temporary
// application directory; entering is left to each test.
#pragma once

#include <gtest/gtest.h>

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

// A fault of the simulated radio on frames beginning with prefix: the frame-th such frame and count
// frames in a row from there (0: all).
inline SimFault TuningFault(SimFault::Kind kind, const std::string& prefix, int frame = 1, int count = 0)
{
    SimFault f;
    f.kind = kind;
    f.prefix = prefix;
    f.frame = frame;
    f.count = count;
    return f;
}
