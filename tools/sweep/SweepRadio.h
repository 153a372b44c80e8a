// The simulated radio of the fault sweep as each function meets it, and the frames a fault-free run of
// each function sends (what the positions of the sweep count).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/sweep/FaultSweep.h"

class SimulatedRadio;

// A radio memory unlike any default: byte i = (i * 7 + 3) & 0xFF, with the band-33 model block so that
// a write of it passes the band check.
std::string SweepPatternImage();
// An alignment block unlike the radio's: byte i = (i * 11 + 5) & 0xFF.
std::string SweepAlignmentPattern();

// The radio as the function finds it: the pattern memory (the default band-33 image for writes, which
// then change it), a family radio ("R736") with a sample alignment block for the service functions.
void PrepareSweepRadio(SweepOp op, SimulatedRadio& radio);
// The identity bytes the prepared radio answers with (what an identity look-alike copies).
std::vector<std::uint8_t> SweepRadioIdentity(SweepOp op);

// Every frame a fault-free run of the function sends, in order (computed once per function).
const std::vector<std::string>& SweepCleanFrames(SweepOp op);
