// The port object of a radio window: takes a port name ("com3", a device path or "simulator") and,
// when opened, resolves it and opens the real device or connects to the built-in simulated radio.
#pragma once

#include <memory>
#include <string>

#include "link/PortNames.h"
#include "link/SerialPort.h"

class RadioPort : public SerialPort {
public:
    explicit RadioPort(DevicePortMaker makeDevicePort);
    ~RadioPort() override;

    void SetPortName(const std::string& name) override;
    void SetLineSettings(const std::string& settings) override;
    bool Open(std::string& error) override;
    void Close() override;
    bool IsOpen() const override;
    bool Write(const std::vector<std::uint8_t>& bytes) override;
    int BytesWaiting() override;
    std::vector<std::uint8_t> ReadAll() override;
    bool WaitForInput(int milliseconds) override;
    LinkClock& Clock() override;

    // The device the last Open resolved the name to ("simulator" for the simulated radio).
    const std::string& Device() const { return m_device; }

private:
    DevicePortMaker m_makeDevicePort;
    std::string m_name;
    std::string m_settings = kCodePlugLineSettings;
    std::string m_device;
    std::unique_ptr<SerialPort> m_port;
};

// Sets a radio window's port up as each window does when it starts: port name and line settings.
void ConfigureRadioPort(SerialPort& port, const std::string& portName, const std::string& lineSettings);
