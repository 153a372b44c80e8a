// Serial device through Qt SerialPort, used blocking (waitForReadyRead / waitForBytesWritten) so that
// no event loop is needed while a transfer runs.
#pragma once

#include <QSerialPort>
#include <memory>
#include <string>

#include "link/SerialPort.h"

class QtSerialPort : public SerialPort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

    // A device path ("/dev/ttyUSB0", a pseudo-terminal) or a system port name ("COM3", "ttyS0").
    void SetPortName(const std::string& name) override;
    // "9600,n,8,2": baud, parity (n/e/o/m/s), data bits, stop bits.
    void SetLineSettings(const std::string& settings) override;
    bool Open(std::string& error) override;
    void Close() override;
    bool IsOpen() const override;
    bool Write(const std::vector<std::uint8_t>& bytes) override;
    int BytesWaiting() override;
    std::vector<std::uint8_t> ReadAll() override;
    bool WaitForInput(int milliseconds) override;

private:
    bool Faulted() const;

    std::unique_ptr<QSerialPort> m_port;
    std::string m_name;
};
