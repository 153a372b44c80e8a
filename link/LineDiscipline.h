// Keeping the request/response line in step: the radio never speaks unasked, so bytes waiting when a
// frame is about to go out, or still arriving after a wrong reply, belong to no reply of this frame.
// They are counted as strays in the port's ledger before they are dropped.
#pragma once

class SerialPort;

// Quiet time after which a line that carried a wrong or surplus reply counts as settled: far longer
// than the gap between two bytes of one reply (about 1.15 ms at 9600 baud), and than the delivery
// delay of common USB adapters.
inline constexpr int kLineQuietMs = 20;

// Drops every byte already received (and what the last exchange kept), counting them as strays.
// Returns the number of bytes dropped, -1 on a port fault.
int DiscardInput(SerialPort& port);

// Drops incoming bytes until none has come for quietMs (or maxMs have passed in all), on the port's
// clock. Returns the number of bytes dropped, -1 on a port fault.
int SettleLine(SerialPort& port, int quietMs, int maxMs);

// Waits quietMs on the port's clock; true when not a byte arrived meanwhile (what arrived is left in
// the input for the next exchange to judge).
bool LineStaysQuiet(SerialPort& port, int quietMs);
