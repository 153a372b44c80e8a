// One port of a fleet run, on its own thread: probes gently for a radio (one handshake a second at
// most, nothing written), reads its identity and serial number, refuses one of another model or band,
// writes the run's code plug with a backup before and a verification after, records the radio, and
// waits until it is unplugged before it takes the next. Takes everything as parameters (the port, the
// run, the callback interface) and touches nothing else; its time is the port's clock.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "fleet/FleetRadio.h"
#include "fleet/FleetUi.h"
#include "history/HistoryRecord.h"
#include "link/LinkClock.h"
#include "link/Protocol.h"

class FleetRun;
class FleetUi;
class SerialPort;

class FleetSession {
public:
    static constexpr int kProbeIntervalMs = 1000;
    static constexpr int kProbeLimitMs = 500; // the radio's 06 to PROGRAM
    // Probes in a row without an answer before a radio counts as unplugged (one lost reply is not).
    static constexpr int kSilentProbes = 2;

    // label: the port as the user named it (in the radio's rows and the list); index: its position
    // among the run's ports (in the callbacks).
    FleetSession(SerialPort& port, const std::string& label, int index, FleetRun& run, FleetUi& ui);

    // Until the run is over; the port is closed at the end.
    void Run();

private:
    enum class Outcome { Handled, NotTaken, Over };

    // One PROGRAM awaiting 06, no sooner than a second after the last one. True when a radio answered.
    bool Probe();
    // Probes until a radio answers; false when the run got over first.
    bool WaitForRadio();
    // Probes until the radio stops answering; false when the run got over first.
    bool WaitForUnplug();
    Outcome TakeRadio();
    // After the probe's 06: the identity, the acknowledge and the block at 0x03C0 (serial number and
    // hardware version). False when the radio did not give them.
    bool ReadIdentityAndSerial(RadioIdentity& identity, std::string& block);
    void WriteRadio(FleetRadio& radio);
    void Finish(FleetRadio& radio, FleetResult result, const std::string& message);
    // Ends a radio: its times and result, its rows into the history, the window told, the port's state.
    void Conclude(FleetRadio& radio, FleetResult result, const std::string& message,
                  std::vector<HistoryRecord> rows);
    void Status(FleetPortState state, const std::string& text = std::string());

    SerialPort& m_port;
    std::string m_label;
    int m_index;
    FleetRun& m_run;
    FleetUi& m_ui;
    LinkClock& m_clock;
    bool m_probed = false;
    LinkClock::TimePoint m_lastProbe;
    LinkClock::TimePoint m_radioStart;
};
