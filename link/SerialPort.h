// The serial port as the radio protocol needs it: exactly the operations the link uses, so that the
// real device (Qt SerialPort) and the simulated radio can stand behind it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/LineLedger.h"
#include "link/LinkClock.h"

class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Selects the device while closed: a port name ("com3"), a device path or "simulator".
    virtual void SetPortName(const std::string& name) = 0;
    // Line settings text such as "9600,n,8,2" (baud, parity, data bits, stop bits).
    virtual void SetLineSettings(const std::string& settings) = 0;

    // Acquires the device; false with a reason (device, system message, what the user can do).
    virtual bool Open(std::string& error) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Sends the bytes in one operation; false on a port fault.
    virtual bool Write(const std::vector<std::uint8_t>& bytes) = 0;
    // Count of received bytes not yet read; -1 on a port fault.
    virtual int BytesWaiting() = 0;
    // All waiting bytes (input length 0: everything at once).
    virtual std::vector<std::uint8_t> ReadAll() = 0;
    // Blocks until at least one byte is waiting or the time is up, without spinning; false on a fault.
    virtual bool WaitForInput(int milliseconds) = 0;

    // The clock of this line: the system's for real devices, a virtual one for the simulated line.
    virtual LinkClock& Clock() { return SystemLinkClock(); }

    // What the protocol kept of this line's input and judged to be nobody's reply.
    LineLedger& Ledger() { return m_ledger; }

private:
    LineLedger m_ledger;
};
