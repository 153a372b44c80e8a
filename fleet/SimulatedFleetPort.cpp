// Simulated ports with radios plugged in turn, for the fleet command and window.
#include "fleet/SimulatedFleetPort.h"

#include <cstdio>

#include "link/LineupPort.h"
#include "link/PortNames.h"

namespace {

// The lineup lives as long as the port: it is built before the port's part that uses it.
struct LineupHolder {
    RadioLineup lineup;
};

class OwnLineupPort : private LineupHolder, public LineupPort {
public:
    OwnLineupPort(int n, int radios, LinkClock& clock) : LineupPort(lineup, clock)
    {
        lineup.SetStay(std::chrono::seconds(5));
        lineup.SetGap(std::chrono::seconds(3));
        for (int i = 1; i <= radios; ++i) {
            char serial[32];
            std::snprintf(serial, sizeof serial, "SIM%d-%04d", n, i);
            lineup.Add(SimulatedRadio(), serial);
        }
    }
};

} // namespace

int SimulatedFleetPortNumber(const std::string& name)
{
    const std::string base = kSimulatorPortName;
    if (name.rfind(base, 0) != 0)
        return 0;
    const std::string rest = name.substr(base.size());
    if (rest.empty())
        return 1;
    if (rest.size() > 2 || rest.find_first_not_of("0123456789") != std::string::npos || rest[0] == '0')
        return 0;
    return std::stoi(rest);
}

std::unique_ptr<SerialPort> MakeSimulatedFleetPort(int n, int radios, LinkClock& clock)
{
    return std::make_unique<OwnLineupPort>(n, radios, clock);
}
