// The eight 8-byte reads of the radio's alignment block at 0x02A0, as the tuning mode and the
// alignment data both read it: each block request awaits its 12-byte reply (300 ms), then 5 ms, the
// acknowledge 06 awaiting 06, 5 ms; every block confirmed as the code-plug read confirms its blocks.
#pragma once

#include <string>

#include "link/BlockReads.h"

class ExchangeLog;
class LinkUi;
class SerialPort;

// Appends the block's 128 hex digits to data, with progress over the eight blocks. On failure data is
// left alone; a radio that stopped answering has been reported (3009, port closed), a port that failed
// has not (the port is left as it was).
BlockReadEnd ReadAlignmentBlocks(SerialPort& port, ExchangeLog& log, LinkUi& ui, std::string& data);
