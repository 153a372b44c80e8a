// Port objects of the window program: radio ports whose devices open through Qt SerialPort, and the
// probe of COM1..COM16 for the port selection page.
#pragma once

#include <memory>
#include <vector>

#include "link/PortNames.h"
#include "link/SerialPort.h"

// A RadioPort (port name resolved on Open; "simulator" is the built-in simulated radio) with the
// Qt SerialPort adapter for devices. Configure it with ConfigureRadioPort (link/RadioPort.h).
std::unique_ptr<SerialPort> CreateRadioPort();

// COM1..COM16 in order: which can be opened, the device each stands for and the adapter behind it.
std::vector<PortProbe> ProbeComPorts();
