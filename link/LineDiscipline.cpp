// Dropping stale input before a frame and letting a disturbed line fall quiet before a retry.
#include "link/LineDiscipline.h"

#include <chrono>

#include "link/SerialPort.h"

int DiscardInput(SerialPort& port)
{
    int dropped = 0;
    for (;;) {
        const int waiting = port.BytesWaiting();
        if (waiting < 0)
            return -1;
        if (waiting == 0)
            return dropped;
        dropped += static_cast<int>(port.ReadAll().size());
    }
}

int SettleLine(SerialPort& port, int quietMs, int maxMs)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + std::chrono::milliseconds(maxMs);
    const auto quiet = std::chrono::milliseconds(quietMs);
    Clock::time_point lastByte = start;
    int dropped = 0;
    for (;;) {
        const int now = DiscardInput(port);
        if (now < 0)
            return -1;
        const Clock::time_point t = Clock::now();
        if (now > 0) {
            dropped += now;
            lastByte = t;
        }
        if (t - lastByte >= quiet || t >= end)
            return dropped;
        const Clock::time_point until = lastByte + quiet < end ? lastByte + quiet : end;
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(until - t).count();
        if (!port.WaitForInput(static_cast<int>(wait)))
            return -1;
    }
}
