// Serial device through the POSIX terminal interface (termios), for the command-line tool, which
// links no Qt. Raw bytes, line settings from a text such as "9600,n,8,2", exclusive use.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/SerialPort.h"

class PosixSerialPort : public SerialPort {
public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    void SetPortName(const std::string& name) override { m_device = name; }
    void SetLineSettings(const std::string& settings) override { m_settings = settings; }
    bool Open(std::string& error) override;
    void Close() override;
    bool IsOpen() const override { return m_fd >= 0; }
    bool Write(const std::vector<std::uint8_t>& bytes) override;
    int BytesWaiting() override;
    std::vector<std::uint8_t> ReadAll() override;
    bool WaitForInput(int milliseconds) override;

private:
    // Moves what the device holds into m_input without blocking; false on a fault.
    bool Drain();

    std::string m_device;
    std::string m_settings = "9600,n,8,2";
    int m_fd = -1;
    bool m_faulted = false;
    std::vector<std::uint8_t> m_input;
};
