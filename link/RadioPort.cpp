// A radio window's port: the name is resolved when the port opens, to a device or the simulator.
#include "link/RadioPort.h"

#include "link/SimulatedPort.h"
#include "link/SimulatedRadio.h"

RadioPort::RadioPort(DevicePortMaker makeDevicePort) : m_makeDevicePort(std::move(makeDevicePort)) {}

RadioPort::~RadioPort() = default;

void RadioPort::SetPortName(const std::string& name) { m_name = name; }

void RadioPort::SetLineSettings(const std::string& settings)
{
    m_settings = settings;
    if (m_port)
        m_port->SetLineSettings(settings);
}

bool RadioPort::Open(std::string& error)
{
    if (m_port && m_port->IsOpen())
        return true;
    const PortTarget target = ResolvePortName(m_name);
    if (!target.ok) {
        error = target.error;
        return false;
    }
    m_device = target.device;
    if (target.simulator)
        m_port = std::make_unique<SimulatedPort>(SharedSimulatedRadio());
    else if (m_makeDevicePort)
        m_port = m_makeDevicePort();
    if (!m_port) {
        error = target.device + ": serial devices are not available in this program";
        return false;
    }
    m_port->SetPortName(target.device);
    m_port->SetLineSettings(m_settings);
    return m_port->Open(error);
}

void RadioPort::Close()
{
    if (m_port)
        m_port->Close();
}

bool RadioPort::IsOpen() const { return m_port && m_port->IsOpen(); }

bool RadioPort::Write(const std::vector<std::uint8_t>& bytes) { return m_port && m_port->Write(bytes); }

int RadioPort::BytesWaiting() { return m_port ? m_port->BytesWaiting() : -1; }

std::vector<std::uint8_t> RadioPort::ReadAll()
{
    return m_port ? m_port->ReadAll() : std::vector<std::uint8_t>();
}

bool RadioPort::WaitForInput(int milliseconds) { return m_port && m_port->WaitForInput(milliseconds); }

LinkClock& RadioPort::Clock() { return m_port ? m_port->Clock() : SystemLinkClock(); }

void ConfigureRadioPort(SerialPort& port, const std::string& portName, const std::string& lineSettings)
{
    port.SetPortName(portName);
    port.SetLineSettings(lineSettings);
}
