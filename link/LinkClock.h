// Time as the radio link sees it. The protocol's time limits, pauses and waits for a quiet line read and
// pass time only through a LinkClock: a real port runs on the system's steady clock, the simulated line
// on a virtual clock, so that a test can place any byte at any moment and get the same answer whether
// the machine is idle or busy.
#pragma once

#include <chrono>

class LinkClock {
public:
    using Duration = std::chrono::steady_clock::duration;
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~LinkClock() = default;

    virtual TimePoint Now() const = 0;
    // Returns once Now() has reached t (at once when it already has).
    virtual void SleepUntil(TimePoint t) = 0;

    void SleepFor(Duration d) { SleepUntil(Now() + d); }
};

// The system's steady clock; the thread sleeps.
LinkClock& SystemLinkClock();

// Time that passes only when someone waits: Now() stands still until a sleep moves it on, and a sleep
// returns at once. A simulated port that waits for input moves it to the moment the next byte arrives.
class VirtualClock : public LinkClock {
public:
    // Starts at an arbitrary, fixed moment (the same in every run).
    VirtualClock() : m_now(TimePoint() + std::chrono::hours(1)) {}

    TimePoint Now() const override { return m_now; }
    void SleepUntil(TimePoint t) override
    {
        if (t > m_now)
            m_now = t;
    }

private:
    TimePoint m_now;
};

// The milliseconds from `from` to `to`, rounded up (a wait that ends before `to` would poll again).
inline int MillisecondsUntil(LinkClock::TimePoint from, LinkClock::TimePoint to)
{
    if (to <= from)
        return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(to - from).count());
}
