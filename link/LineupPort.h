// A port with a RadioLineup behind it: the line reaches whichever simulated radio is plugged at the
// moment; while none is, what is sent gets no answer. Runs on its own virtual clock or a given one.
#pragma once

#include <memory>
#include <vector>

#include "link/LinkClock.h"
#include "link/RadioLineup.h"
#include "link/SerialPort.h"
#include "link/SimulatedPort.h"

class LineupPort : public SerialPort {
public:
    explicit LineupPort(RadioLineup& lineup);
    LineupPort(RadioLineup& lineup, LinkClock& clock);

    // Each byte takes the time of 11 bits at 9600 baud, as on a real line.
    void SetPaced(bool on) { m_paced = on; }

    LinkClock& Clock() override { return m_clock; }
    void SetPortName(const std::string&) override {}
    void SetLineSettings(const std::string&) override {}
    bool Open(std::string& error) override;
    void Close() override;
    bool IsOpen() const override { return m_open; }
    bool Write(const std::vector<std::uint8_t>& bytes) override;
    int BytesWaiting() override;
    std::vector<std::uint8_t> ReadAll() override;
    bool WaitForInput(int milliseconds) override;

private:
    // The line to the radio plugged now (nullptr: none), opened while this port is open.
    SimulatedPort* Current();

    VirtualClock m_ownClock;
    LinkClock& m_clock;
    RadioLineup& m_lineup;
    std::vector<std::unique_ptr<SimulatedPort>> m_lines; // one per radio of the lineup, made when plugged
    bool m_open = false;
    bool m_paced = false;
};
