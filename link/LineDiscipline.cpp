// Dropping stale input before a frame and letting a disturbed line fall quiet before a retry.
#include "link/LineDiscipline.h"

#include <chrono>

#include "link/LinkClock.h"
#include "link/SerialPort.h"

int DiscardInput(SerialPort& port)
{
    int dropped = static_cast<int>(port.Ledger().TakeKept().size());
    for (;;) {
        const int waiting = port.BytesWaiting();
        if (waiting < 0)
            return -1;
        if (waiting == 0)
            break;
        dropped += static_cast<int>(port.ReadAll().size());
    }
    port.Ledger().CountStrays(static_cast<std::size_t>(dropped));
    return dropped;
}

int SettleLine(SerialPort& port, int quietMs, int maxMs)
{
    LinkClock& clock = port.Clock();
    const LinkClock::TimePoint start = clock.Now();
    const LinkClock::TimePoint end = start + std::chrono::milliseconds(maxMs);
    const auto quiet = std::chrono::milliseconds(quietMs);
    LinkClock::TimePoint lastByte = start;
    int dropped = 0;
    for (;;) {
        const int now = DiscardInput(port);
        if (now < 0)
            return -1;
        const LinkClock::TimePoint t = clock.Now();
        if (now > 0) {
            dropped += now;
            lastByte = t;
        }
        if (t - lastByte >= quiet || t >= end)
            return dropped;
        const LinkClock::TimePoint until = lastByte + quiet < end ? lastByte + quiet : end;
        if (!port.WaitForInput(MillisecondsUntil(t, until)))
            return -1;
    }
}

bool LineStaysQuiet(SerialPort& port, int quietMs)
{
    LinkClock& clock = port.Clock();
    const LinkClock::TimePoint end = clock.Now() + std::chrono::milliseconds(quietMs);
    for (;;) {
        const int waiting = port.BytesWaiting();
        if (waiting != 0)
            return false; // a byte came (or the port failed, which the next exchange reports)
        const LinkClock::TimePoint now = clock.Now();
        if (now >= end)
            return true;
        if (!port.WaitForInput(MillisecondsUntil(now, end)))
            return false;
    }
}
