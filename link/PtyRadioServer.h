// The simulated radio behind a pseudo-terminal: a program opens the terminal's device path as if a
// radio hung on a serial port. Serves until asked to stop; paces its replies like a 9600-baud line.
#pragma once

#include <atomic>
#include <string>
#include <utility>

#include "link/RadioLineup.h"
#include "link/SimLine.h"
#include "link/SimulatedRadio.h"

class PtyRadioServer {
public:
    PtyRadioServer() = default;
    ~PtyRadioServer();
    PtyRadioServer(const PtyRadioServer&) = delete;
    PtyRadioServer& operator=(const PtyRadioServer&) = delete;

    SimulatedRadio& Radio() { return m_radio; }
    // Instead of the one radio, the radios of a lineup, plugged in turn from the first frame on; between
    // two of them (and after the last) nothing answers.
    void SetLineup(RadioLineup lineup)
    {
        m_lineup = std::move(lineup);
        m_useLineup = true;
    }
    void SetPaced(bool on) { m_line.SetPaced(on); }
    // Byte by byte, or each reply at once as a USB adapter hands it over; an adapter's polling tick.
    void SetDelivery(SimLine::Delivery delivery) { m_line.SetDelivery(delivery); }
    void SetAdapterTickMs(int ms) { m_line.SetAdapterTickMs(ms); }

    // Creates the pseudo-terminal; false with the reason. DevicePath() then names its device.
    bool Open(std::string& error);
    const std::string& DevicePath() const { return m_path; }

    // Answers frames until stop becomes true (checked at least every 50 ms) or an injected fault
    // drops the connection (the terminal is then closed). False when the terminal failed.
    bool Serve(const std::atomic<bool>& stop);

    void Close();

private:
    SimulatedRadio m_radio;
    RadioLineup m_lineup;
    bool m_useLineup = false;
    SimLine m_line;
    int m_master = -1;
    int m_slave = -1; // held open so that the terminal lives while no program has it open
    std::string m_path;
};
