// A simulated port for trying a fleet run without radios: a port of its own on which simulated radios
// are plugged in turn, each for 5 seconds every 8 seconds, with serial numbers SIMn-0001, SIMn-0002, ...
#pragma once

#include <memory>
#include <string>

#include "link/LinkClock.h"

class SerialPort;

// The simulated port names: "simulator", "simulator2", ...; 0 for other names, else n (1 for
// "simulator").
int SimulatedFleetPortNumber(const std::string& name);

// Port n with radios radios plugged in turn on the given clock; the port owns them.
std::unique_ptr<SerialPort> MakeSimulatedFleetPort(int n, int radios, LinkClock& clock = SystemLinkClock());
