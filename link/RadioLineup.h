// Radios that an operator plugs into one port in turn, for trying a fleet run without hardware: each
// simulated radio stays plugged for a while, then the port is empty for a moment before the next one
// comes. Time is the line's clock, so a run on virtual time sees the same plugging as one on real time.
#pragma once

#include <chrono>
#include <deque>
#include <string>

#include "link/SimulatedRadio.h"

class RadioLineup {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Duration = std::chrono::steady_clock::duration;

    // Adds a radio (a copy of model) with this serial number in its memory, plugged after the ones
    // already added. The reference stays valid (for more settings, or to look at its memory later).
    SimulatedRadio& Add(const SimulatedRadio& model, const std::string& serial);

    // How long each radio stays plugged, and how long the port stays empty before the next one.
    void SetStay(Duration stay) { m_stay = stay; }
    void SetGap(Duration gap) { m_gap = gap; }

    // The radio plugged at now; nullptr while none is (between two radios, after the last one). The
    // first call starts the lineup: the first radio is plugged from then on.
    SimulatedRadio* Present(TimePoint now);
    // Its position in the lineup, or -1.
    int PresentIndex(TimePoint now);

    std::size_t Size() const { return m_radios.size(); }
    SimulatedRadio& At(std::size_t i) { return m_radios[i]; }

    // Puts a serial number into a radio's memory at 0x03E0, as the factory does (15 characters at
    // most, the rest FF).
    static void SetSerialNumber(SimulatedRadio& radio, const std::string& serial);

private:
    std::deque<SimulatedRadio> m_radios;
    Duration m_stay = std::chrono::seconds(10);
    Duration m_gap = std::chrono::seconds(3);
    bool m_started = false;
    TimePoint m_start;
};
