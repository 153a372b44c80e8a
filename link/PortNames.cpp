// Port names to devices: the [ports] section, the system's serial devices, and the port probe.
#include "link/PortNames.h"

#include "app/LangText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

#include "app/Settings.h"
#include "codeplug/HexText.h"
#include "link/SerialPort.h"

namespace {

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Name order with digit runs compared as numbers: ttyS2 before ttyS10.
bool NaturalLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            std::size_t ie = i;
            std::size_t je = j;
            while (ie < a.size() && std::isdigit(static_cast<unsigned char>(a[ie])))
                ++ie;
            while (je < b.size() && std::isdigit(static_cast<unsigned char>(b[je])))
                ++je;
            const std::string na = a.substr(i, ie - i);
            const std::string nb = b.substr(j, je - j);
            if (na.size() != nb.size())
                return na.size() < nb.size();
            if (na != nb)
                return na < nb;
            i = ie;
            j = je;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

bool IsUsbAdapter(const std::string& name)
{
    return name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0;
}

} // namespace

int PortNumber(const std::string& name)
{
    const std::string lower = Lower(name);
    if (lower.size() < 4 || lower.size() > 6 || lower.compare(0, 3, "com") != 0)
        return 0;
    int n = 0;
    for (std::size_t i = 3; i < lower.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(lower[i])))
            return 0;
        n = n * 10 + (lower[i] - '0');
    }
    return n;
}

std::vector<std::string> ListSerialDevices()
{
#ifdef __linux__
    return ListSerialDevices("/sys/class/tty");
#else
    return {};
#endif
}

std::vector<std::string> ListSerialDevices(const std::string& ttyClassDir)
{
    std::vector<std::string> usb;
    std::vector<std::string> other;
    // Serial lines the kernel knows: entries backed by a device. A UART slot that the kernel keeps
    // without hardware behind it (ttyS1 .. ttyS31 on most PCs) reports type 0, whichever driver
    // the device link leads to; such names are left out, as the system's own tools do.
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(ttyClassDir, ec)) {
        const std::string name = entry.path().filename().string();
        if (!std::filesystem::exists(entry.path() / "device", ec))
            continue;
        if (std::FILE* f = std::fopen((entry.path() / "type").string().c_str(), "r")) {
            int type = -1;
            if (std::fscanf(f, "%d", &type) != 1)
                type = -1;
            std::fclose(f);
            if (type == 0)
                continue;
        }
        (IsUsbAdapter(name) ? usb : other).push_back("/dev/" + name);
    }
    auto byName = [](const std::string& a, const std::string& b) { return NaturalLess(a, b); };
    std::sort(usb.begin(), usb.end(), byName);
    std::sort(other.begin(), other.end(), byName);
    usb.insert(usb.end(), other.begin(), other.end());
    return usb;
}

PortTarget ResolvePortName(const std::string& name) { return ResolvePortName(name, ListSerialDevices()); }

PortTarget ResolvePortName(const std::string& name, const std::vector<std::string>& devices)
{
    PortTarget t;
    const std::string trimmed = TrimBlanks(name);
    if (trimmed.empty()) {
        t.error = GetLangText(3030);
        return t;
    }
    if (Lower(trimmed) == kSimulatorPortName) {
        t.ok = true;
        t.simulator = true;
        t.device = kSimulatorPortName;
        return t;
    }
    const int n = PortNumber(trimmed);
    if (n == 0) {
        if (trimmed.find('/') != std::string::npos) {
            t.ok = true;
            t.device = trimmed;
        } else {
            t.error = trimmed + ": " + GetLangText(3031);
        }
        return t;
    }
    const std::string portName = "com" + std::to_string(n);
    const std::string mapped = TrimBlanks(ReadSetting("ports", portName));
    if (!mapped.empty()) {
        if (Lower(mapped) == kSimulatorPortName) {
            t.ok = true;
            t.simulator = true;
            t.device = kSimulatorPortName;
        } else {
            t.ok = true;
            t.device = mapped;
        }
        return t;
    }
#ifdef _WIN32
    (void)devices;
    t.ok = true;
    t.device = ToUpperAscii(portName);
#else
    if (n >= 1 && static_cast<std::size_t>(n) <= devices.size()) {
        t.ok = true;
        t.device = devices[static_cast<std::size_t>(n - 1)];
    } else {
        t.error = ToUpperAscii(portName) + ": " + GetLangText(3032) + " [ports] " + portName + "=";
        // A cable that is plugged in but has no device: say who took it, when that is known.
        const std::string advice = MissingDeviceAdvice(std::string());
        if (!advice.empty())
            t.error += " - " + advice;
    }
#endif
    return t;
}

std::string PortDeviceText(const PortProbe& probe)
{
    std::string text = probe.device;
    const std::string description = TrimBlanks(probe.description);
    const std::string maker = TrimBlanks(probe.maker);
    if (description.empty() && maker.empty())
        return text;
    text += text.empty() ? "" : " \u2014 ";
    if (description.empty())
        return text + maker;
    text += description;
    // A maker that the description already names is not repeated.
    if (!maker.empty() && description.find(maker) == std::string::npos)
        text += " (" + maker + ")";
    return text;
}

std::vector<PortProbe> ProbeComPorts(const DevicePortMaker& makeDevicePort)
{
    const std::vector<std::string> devices = ListSerialDevices();
    std::vector<PortProbe> out;
    for (int n = 1; n <= kComPortCount; ++n) {
        PortProbe p;
        p.number = n;
        p.name = "com" + std::to_string(n);
        const PortTarget t = ResolvePortName(p.name, devices);
        if (!t.ok) {
            p.reason = t.error;
        } else if (t.simulator) {
            p.device = t.device;
            p.available = true;
        } else {
            p.device = t.device;
            std::unique_ptr<SerialPort> port = makeDevicePort();
            port->SetPortName(t.device);
            std::string error;
            p.available = port->Open(error);
            if (p.available)
                port->Close();
            else
                p.reason = error;
        }
        out.push_back(p);
    }
    return out;
}
