// Port objects of the window program: radio ports with Qt SerialPort devices, and the port probe.
#include "link/PortFactory.h"

#include "link/QtSerialPort.h"
#include "link/RadioPort.h"

namespace {

std::unique_ptr<SerialPort> MakeQtDevicePort() { return std::make_unique<QtSerialPort>(); }

} // namespace

std::unique_ptr<SerialPort> CreateRadioPort() { return std::make_unique<RadioPort>(&MakeQtDevicePort); }

std::vector<PortProbe> ProbeComPorts() { return ProbeComPorts(&MakeQtDevicePort); }
