// The system clock of the real serial ports.
#include "link/LinkClock.h"

#include <thread>

namespace {

class SteadyLinkClock : public LinkClock {
public:
    TimePoint Now() const override { return std::chrono::steady_clock::now(); }
    void SleepUntil(TimePoint t) override { std::this_thread::sleep_until(t); }
};

} // namespace

LinkClock& SystemLinkClock()
{
    static SteadyLinkClock clock;
    return clock;
}
