// The eight 8-byte reads of the radio's alignment block at 0x02A0, as the tuning mode and the
// alignment data both read it: each block request awaits its 12-byte reply (300 ms), then 5 ms, the
// acknowledge 06 awaiting 06, 5 ms.
#pragma once

#include <string>

class ExchangeLog;
class LinkUi;
class SerialPort;

// Appends the block's 128 hex digits to data, with progress over the eight blocks. False at the
// first exchange that got no acceptable reply (data then holds the blocks read so far).
bool ReadAlignmentBlocks(SerialPort& port, ExchangeLog& log, LinkUi& ui, std::string& data);
