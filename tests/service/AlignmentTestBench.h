// A service radio ("R736") holding the sample alignment block, on an in-process port that is closed
// until the session under test opens it.
#pragma once

#include "LinkTestSupport.h"
#include "tests/service/AlignmentSample.h"

struct AlignBench : SimBench {
    AlignBench()
    {
        radio.SetModelText("R736");
        radio.SetMemoryHex(MemoryWithAlignment(SampleAlignmentBlock()));
        port.Close();
    }
    // The radio's alignment block now (128 hex digits).
    std::string Block() const { return radio.MemoryHex().substr(2 * Addr::kAlignment, 128); }
};
