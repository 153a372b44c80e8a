// The fault sweep of the radio link: one radio function against the simulated radio on virtual time,
// with trouble placed at one frame position, judged by what a user must be able to trust:
// - a read, a tuning entry or an alignment read that reports success holds exactly the radio's bytes;
//   a failed one changes nothing in memory or on disk;
// - a write that reports success has left the radio holding exactly what was sent (and, with the
//   backup, the radio's previous memory in the backup), and never touched what the radio keeps for
//   itself; a failed one says what happened and, once a block frame went out, that the radio is partly
//   written; it is never refused for a model, band or block refusal, or a faulty memory, that the line
//   made up.
// The trouble: stray bytes (acknowledge, request, identity and echo-header look-alikes, 1 to 40 of
// them) in front of, inside or up to 120 ms after a reply; replies 150 to 1000 ms late; silent frames,
// also the last frame silent after a late reply; a wrong last byte; the line closed.
#pragma once

#include <string>
#include <vector>

#include "link/SimLine.h"
#include "link/SimulatedRadio.h"

enum class SweepOp {
    Read,
    ReadTwice,
    Write,
    WriteBackup,
    WriteVerify,
    Tune,       // entering the tuning mode
    AlignRead,  // the alignment block
    AlignWrite,
};

// The line the case runs on (always virtual time).
struct SweepLine {
    bool paced = true;
    SimLine::Delivery delivery = SimLine::Delivery::Bytes;
};

struct SweepCase {
    SweepOp op = SweepOp::Read;
    SweepLine line;
    int position = 1;             // the frame (1-based, over every frame the radio gets) the trouble is tied to
    std::vector<SimFault> faults; // one, or two for a late reply followed by a silent last frame
    std::string name;             // "stray:06x18@after:30", "late:450", "late-then-silent-last:450"
};

struct SweepResult {
    bool succeeded = false;
    int textNumber = 0;          // the message the function ended with
    std::string detail;          // what the message said beyond its text (e.g. what a write left behind)
    bool exact = false;          // success: memory (read) or the radio (write) holds the right bytes
    bool unchanged = false;      // failure of a read: memory and disk as they were
    bool faultOnBlockData = false; // a wrong byte inside a block reply's data (no checksum can see it)
    bool trustworthy = false;    // the invariant holds for this case
    std::string why;             // for a case that breaks it: what went wrong
    std::string frameAtFault;    // the frame the radio got at the position ("" if fewer frames)
    std::string log;             // the exchange log as the window showed it last
};

// Frames a fault-free run sends.
int SweepFrameCount(SweepOp op);

enum class SweepScope {
    Full,   // every stray count 1-40, every 5 ms from 0 to 120 ms, late replies every 50 ms
    Sample, // a spread of them: the test suite's share, every position
};

// Every trouble the sweep puts at one position of one function.
std::vector<SweepCase> SweepCasesAt(SweepOp op, int position, SweepScope scope);

SweepResult RunSweepCase(const SweepCase& sweepCase);

// The name of a function in result lines and on the command line ("read", "align-write").
std::string SweepOpName(SweepOp op);
bool SweepOpFromName(const std::string& name, SweepOp& op);
std::string SweepLineName(const SweepLine& line);

// One line of the sweep's output, for summaries over many processes.
std::string SweepResultLine(const SweepCase& sweepCase, const SweepResult& result);
