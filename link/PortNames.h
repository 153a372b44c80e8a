// Which device a port name stands for: "com1".."com16" through [ports] comN in system.ini or the
// system's serial devices, a device path, or the built-in simulated radio; and the port probe.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/PortAccess.h"

class SerialPort;

inline constexpr const char* kSimulatorPortName = "simulator";
inline constexpr const char* kCodePlugLineSettings = "9600,n,8,2"; // read and write windows
inline constexpr const char* kServiceLineSettings = "9600,n,8,1";  // tuning and alignment data
inline constexpr int kComPortCount = 16;

// What a port name resolves to. ok false: error names the port and why nothing stands for it.
struct PortTarget {
    bool ok = false;
    bool simulator = false;
    std::string device; // device path (or "COMn" on Windows) when not the simulator
    std::string error;
};

// One COMn of the port page.
struct PortProbe {
    int number = 0;          // 1..16
    std::string name;        // "com3"
    std::string device;      // what it stands for ("/dev/ttyUSB0", "simulator"); empty for none
    bool available = false;  // it could be opened (and was closed again)
    std::string reason;      // why not, when not available
    std::string description; // the adapter as the system describes it ("CP2102 USB to UART"), or empty
    std::string maker;       // the adapter's manufacturer ("Silicon Labs"), or empty
};

// What the port page shows beside COMn: the device, then the adapter's description and maker when
// the system knows them: "/dev/ttyUSB0 — CP2102 USB to UART (Silicon Labs)".
std::string PortDeviceText(const PortProbe& probe);

// The port number of a name: "com12" gives 12 (any case); 0 when the name is not "com" + number.
int PortNumber(const std::string& name);

// Serial devices of the system in COMn order: USB adapters (ttyUSB*, ttyACM*) first, then the
// others, each group sorted by name with numbers in numeric order. Empty where nothing is listed.
std::vector<std::string> ListSerialDevices();
// The same from a given tty class directory (normally /sys/class/tty): every entry backed by a
// device, except serial lines that report no UART behind them (type 0).
std::vector<std::string> ListSerialDevices(const std::string& ttyClassDir);

// Resolves a port name: "comN" ([ports] comN in system.ini wins, else the N-th device of
// ListSerialDevices), "simulator", or a device path (anything containing '/'). devices may be
// given for tests; by default ListSerialDevices() is used.
PortTarget ResolvePortName(const std::string& name);
PortTarget ResolvePortName(const std::string& name, const std::vector<std::string>& devices);

// Factory of an unconfigured device port (Qt SerialPort in the window program, termios on the CLI).
using DevicePortMaker = std::function<std::unique_ptr<SerialPort>()>;

// The probe of the port page: for COM1..COM16 in order, resolve, open and close again.
std::vector<PortProbe> ProbeComPorts(const DevicePortMaker& makeDevicePort);
