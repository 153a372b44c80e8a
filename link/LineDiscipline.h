// Keeping the request/response line in step: the radio never speaks unasked, so bytes waiting when a
// frame is about to go out, or still arriving after a wrong reply, belong to an earlier exchange.
#pragma once

class SerialPort;

// Quiet time after which a line that carried a wrong or surplus reply counts as settled: far longer
// than the gap between two bytes of one reply (about 1.15 ms at 9600 baud), and than the delivery
// delay of common USB adapters.
inline constexpr int kLineQuietMs = 20;

// Reads and drops every byte already received. Returns the number of bytes dropped, -1 on a port fault.
int DiscardInput(SerialPort& port);

// Drops incoming bytes until none has come for quietMs (or maxMs have passed in all). Returns the
// number of bytes dropped, -1 on a port fault.
int SettleLine(SerialPort& port, int quietMs, int maxMs);
