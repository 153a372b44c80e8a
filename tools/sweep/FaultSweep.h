// The fault sweep of the radio link: one code-plug read or write against the simulated radio with one
// injected fault at one frame position, judged by what a user must be able to trust: a read that
// reports success holds exactly the radio's bytes, a failed one changes nothing, and a write ends with
// the message its fault deserves (never a model or band refusal, or a refused block, that a stray byte
// made up); entering the tuning mode that shows the items holds exactly the radio's alignment block,
// and one that fails shows no item and the message of its fault. A write with the backup and the verification
// must, when it reports success, have left exactly the image in the radio and the radio's previous memory in
// the backup; when its backup fails it must have written nothing.
#pragma once

#include <string>
#include <vector>

#include "link/SimulatedRadio.h"

enum class SweepOp {
    Read,
    Write,
    Tune,         // entering the tuning mode
    GuardedWrite, // write --backup --verify
    AlignRead,    // the alignment block: a read must hand back exactly the radio's 64 bytes or nothing
    AlignWrite,
};
enum class SweepLine { InProcess, Pty }; // simulated port, or a pseudo-terminal through the termios port

struct SweepCase {
    SweepOp op = SweepOp::Read;
    SweepLine line = SweepLine::InProcess;
    bool paced = false;
    bool twice = false; // read: --twice
    SimFault fault;     // its frame is the position (1-based, counted over every frame the radio gets)
};

struct SweepResult {
    bool succeeded = false;
    int textNumber = 0;            // the message the transfer ended with
    bool exact = false;            // success: the document (read) or the radio (write) holds the right bytes
                                   // (guarded write: and the backup holds the radio's previous bytes)
    bool unchanged = false;        // failure of a read: the document is as it was
    bool faultOnBlockData = false; // the fault changed a data byte of a block reply (no checksum)
    bool trustworthy = false;      // the invariant holds for this case
    std::string frameAtFault;      // the frame the radio got at the fault's position ("" if fewer frames)
    std::string backupPath;        // guarded write: the backup it made
};

// Frames a fault-free transfer sends: read 35 (handshake 3 + 16 blocks with their 06), write 52,
// entering the tuning mode 22 (handshake 3, access query and service code, 8 blocks with their 06, TEST),
// guarded write 122 (a read, the write, a read), alignment read 21 (QUINTAR, 02, 06, 10, service code
// + 8 blocks with their 06), alignment write 13.
int SweepFrameCount(SweepOp op);

// Every fault the simulated radio offers, at one position: no answer, late answers of 150, 300, 500 and
// 1000 ms, a wrong last byte, 1 to 20 extra bytes, the line dropped.
std::vector<SimFault> SweepFaultsAt(int position);

// A short name of the fault ("late:500", "extra:4").
std::string SweepFaultName(const SimFault& fault);

SweepResult RunSweepCase(const SweepCase& sweepCase);

// The name of a transfer in result lines and on the command line ("read", "align-write").
std::string SweepOpName(SweepOp op);

// One line of the sweep's output and its reading back, for summaries over many processes.
std::string SweepResultLine(const SweepCase& sweepCase, const SweepResult& result);
