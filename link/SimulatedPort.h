// An in-process port whose other end is a SimulatedRadio. It runs on virtual time by default (waiting
// for input moves its clock to the moment the next byte arrives, at once), or on a clock it is given;
// replies become readable when the simulated line delivers them. It can be made to fail after N bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/LinkClock.h"
#include "link/SerialPort.h"
#include "link/SimLine.h"

class SimulatedRadio;

class SimulatedPort : public SerialPort {
public:
    // On its own virtual clock.
    explicit SimulatedPort(SimulatedRadio& radio);
    // On the given clock (e.g. SystemLinkClock() for a simulated radio a person watches).
    SimulatedPort(SimulatedRadio& radio, LinkClock& clock);

    // Pacing: each byte takes the time of 11 bits at 9600 baud (about 1.15 ms) in both directions.
    void SetPaced(bool on) { m_line.SetPaced(on); }
    // Byte by byte, or a whole reply at once as a USB adapter delivers it; an adapter's polling tick.
    void SetDelivery(SimLine::Delivery delivery) { m_line.SetDelivery(delivery); }
    void SetAdapterTickMs(int ms) { m_line.SetAdapterTickMs(ms); }
    // The port faults once this many bytes have been written (-1: never).
    void FailAfterBytes(long n) { m_failAfter = n; }
    // Opening fails with this reason (empty: opens).
    void FailOpen(const std::string& reason) { m_openFailure = reason; }

    // Bytes queued for the application but not yet delivered by the line (a reply still arriving).
    std::size_t PendingBytes() const { return m_line.Pending(); }
    long BytesWritten() const { return m_written; }

    LinkClock& Clock() override { return m_clock; }
    void SetPortName(const std::string& name) override { m_name = name; }
    void SetLineSettings(const std::string& settings) override { m_settings = settings; }
    bool Open(std::string& error) override;
    void Close() override;
    bool IsOpen() const override { return m_open; }
    bool Write(const std::vector<std::uint8_t>& bytes) override;
    int BytesWaiting() override;
    std::vector<std::uint8_t> ReadAll() override;
    bool WaitForInput(int milliseconds) override;

    // Puts bytes into the receive queue directly (a radio speaking unasked, leftovers).
    void InjectInput(const std::vector<std::uint8_t>& bytes);
    // Bytes that cross the line towards the application ms milliseconds from now (noise).
    void InjectLater(const std::vector<std::uint8_t>& bytes, int ms);

private:
    void Deliver();

    VirtualClock m_ownClock;
    LinkClock& m_clock;
    SimulatedRadio& m_radio;
    std::string m_name;
    std::string m_settings;
    std::string m_openFailure;
    bool m_open = false;
    bool m_faulted = false;
    long m_failAfter = -1;
    long m_written = 0;
    SimLine m_line;
    std::vector<std::uint8_t> m_received;
};
