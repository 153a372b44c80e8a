// What a fleet run tells the window or the terminal, port by port. The calls come from the ports'
// worker threads: an implementation passes them on to its own thread (the window) or serialises them
// (the terminal).
#pragma once

#include <string>

#include "fleet/FleetRadio.h"

enum class FleetPortState {
    Waiting,    // probing once a second for a radio
    Reading,    // a radio answered: its identity and serial number are read
    BackingUp,  // step of steps: the radio's code plug read into the history before the write
    Writing,    // step of steps: frames of the write sent
    Verifying,  // step of steps: the radio read back
    Done,       // text: the serial number of the radio programmed
    Refused,    // text: why
    Failed,     // text: why
    WaitUnplug, // the radio is done; waiting until it is unplugged
    AllBusy,    // the count is reached by the radios in progress on other ports
    Ended,      // the port's part of the run is over
};

struct FleetPortStatus {
    FleetPortState state = FleetPortState::Waiting;
    int step = 0;
    int steps = 0;
    std::string text;
};

class FleetUi {
public:
    virtual ~FleetUi() = default;
    virtual void PortStatus(int port, const FleetPortStatus& status) = 0;
    // A radio was handled and its rows are in the history (or the message says why not).
    virtual void RadioHandled(const FleetRadio& radio) = 0;
    // The radio on the port is done with and may be unplugged (the bell).
    virtual void MayUnplug(int port, const std::string& serial) = 0;
};
