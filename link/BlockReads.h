// Reading a run of blocks (the code plug's 16 blocks of 64 bytes, the alignment block's 8 of 8) so that
// every block handed back is the radio's, byte for byte. The protocol has no checksum: a block reply is
// found by the echo of its request, and it counts only once the line has carried nothing else until
// the next block's reply (or, after the last block, until the line fell quiet). A byte that came in
// between may be the block's own last byte, pushed out by a stray byte inside it, so the block is
// asked for again (at most twice, each time with three attempts to get a valid answer).
#pragma once

#include <string>

class ExchangeLog;
class LinkUi;
class SerialPort;

struct BlockReadPlan {
    int address = 0;        // of the first block
    int blockBytes = 0;     // data bytes per block (the reply has a 4-byte header in front)
    int blocks = 0;
    int limitMs = 200;      // each block request
    int ackLimitMs = 300;   // the acknowledge after each block
    int pauseMs = 0;        // sleep after a block reply and after its acknowledge
    bool logAlways = true;  // log every block frame (code-plug read); else only in the service view
    int progressFirst = 1;  // progress position of the first block
};

struct BlockReadEnd {
    int rc = 0;                 // link result of the step that failed (LINK_OK: all blocks read)
    bool atAcknowledge = false; // the acknowledge failed (PortExchange has reported it)
    bool Succeeded() const { return rc == 0; }
};

// Appends the blocks' data (hex text) to data on success; leaves data alone on failure. A failed block
// request is not reported (the caller tells it in its own words); a failed acknowledge is reported by
// PortExchange (3009, port closed) unless the port itself failed.
BlockReadEnd ReadBlocks(SerialPort& port, ExchangeLog& log, LinkUi& ui, const BlockReadPlan& plan, std::string& data);
