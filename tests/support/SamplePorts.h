// The port list of a computer with two USB programming cables, for widget tests and screenshots of
// the port page.
#pragma once

#include <string>
#include <vector>

#include "link/PortNames.h"

// COM1 and COM2 on USB adapters the system describes (the first with a long description), COM3 a
// built-in port this user may not open, the others without a device.
inline std::vector<PortProbe> ProbeWithAdapters()
{
    std::vector<PortProbe> probes;
    for (int n = 1; n <= kComPortCount; ++n) {
        PortProbe p;
        p.number = n;
        p.name = "com" + std::to_string(n);
        if (n == 1) {
            p.device = "/dev/ttyUSB0";
            p.available = true;
            p.description = "CP2102 USB to UART Bridge Controller";
            p.maker = "Silicon Labs";
        } else if (n == 2) {
            p.device = "/dev/ttyUSB1";
            p.available = true;
            p.description = "USB Serial";
            p.maker = "QinHeng Electronics";
        } else if (n == 3) {
            p.device = "/dev/ttyS4";
            p.reason = "/dev/ttyS4: Permission denied";
        }
        probes.push_back(p);
    }
    return probes;
}
