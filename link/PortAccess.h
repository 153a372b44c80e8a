// Why a serial device could not be opened and what the user can do about it: the group that the
// device node grants access to and the command to join it, and the braille display service that
// takes USB serial adapters away as soon as they are plugged in.
#pragma once

#include <string>
#include <vector>

// How opening a device failed, as far as the explanation is concerned.
enum class PortFailure {
    Other,
    PermissionDenied, // the device exists but this user may not open it
    NotFound,         // the device node does not exist (any more)
};

// The detail shown with text 3012: the device, the system's reason and, for a refused or vanished
// device, what the user can do.
std::string PortOpenFailureText(const std::string& device, const std::string& systemReason, PortFailure kind);

// What the device node and the user's groups say about access.
struct NodeAccess {
    bool known = false;       // the node could be examined
    std::string group;        // the node's group by name (its number when it has no name)
    bool groupMayUse = false; // the group may read and write the node
    bool inSession = false;   // this process holds the group
    bool member = false;      // the group database lists the user (perhaps since this session began)
};
NodeAccess ExamineNode(const std::string& device);

// The advice for a refused device: join the node's group (with the command), log in again when the
// user joined it after this session began, or the node grants its group no access at all.
std::string PermissionAdvice(const NodeAccess& node);

// USB serial chips of common programming cables, as the udev rule installed with the program names them.
struct CableChip {
    const char* vendor;  // idVendor, four lower-case hex digits
    const char* product; // idProduct
    const char* name;
};
const std::vector<CableChip>& ProgrammingCableChips();

// Where the system describes its devices and programs (a made-up tree in tests).
struct AdapterSystem {
    std::string ttyClassDir = "/sys/class/tty";
    std::string usbDevicesDir = "/sys/bus/usb/devices";
    std::vector<std::string> brlttyFiles = {"/usr/bin/brltty", "/bin/brltty", "/usr/sbin/brltty"};
};

bool BrlttyInstalled(const AdapterSystem& system);
// Programming cables plugged in (by their chip) that no serial device stands for: something else
// holds them. The chip names, in bus order.
std::vector<std::string> CablesWithoutDevice(const AdapterSystem& system);

// The advice for a missing device (device: the path that vanished, or empty when a COM name found no
// device at all): when brltty is installed and the device was a USB adapter or a cable is plugged in
// without a device, that brltty took it and how to remove or disable it. Empty otherwise.
std::string MissingDeviceAdvice(const std::string& device, const AdapterSystem& system = AdapterSystem());
