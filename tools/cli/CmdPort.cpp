// vpxds-cli port: the port page on the terminal - COM1 ... COM16 with the device each stands for and
// whether it can be opened now, and the choice of the port that the radio commands and the window
// program use, stored in system.ini as the page's OK stores it.
#include <iostream>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "codeplug/HexText.h"
#include "link/PortNames.h"
#include "tools/cli/Commands.h"

namespace {

const char* kPortUsage =
    "usage: vpxds-cli port [COMn|none]\n"
    "Without a name: lists COM1 ... COM16 with the device each stands for ([ports] comN in\n"
    "system.ini, else the N-th serial device, USB adapters first) and why a port cannot be opened;\n"
    "'*' marks the chosen port. With a name: makes COM1 ... COM16 the chosen port (none: no port),\n"
    "stored as [computer] com in the application directory's system.ini.\n";

void ListPorts(const std::vector<PortProbe>& probes)
{
    const std::string chosen = ToUpperAscii(TrimBlanks(ReadSetting("computer", "com")));
    for (const PortProbe& p : probes) {
        const std::string name = ToUpperAscii(p.name);
        std::cout << (name == chosen ? "* " : "  ") << name << (name.size() < 5 ? "  " : " ");
        if (p.device.empty())
            std::cout << "-";
        else if (p.available)
            std::cout << PortDeviceText(p);
        else
            std::cout << p.reason;
        std::cout << "\n";
    }
    std::cout << "settings: " << AppFilePath("system.ini") << "\n";
}

} // namespace

int CmdPort(const CliArgs& args)
{
    if (args.size() > 1 || (args.size() == 1 && !args[0].empty() && args[0][0] == '-')) {
        const bool help = args.size() == 1 && (args[0] == "--help" || args[0] == "-h");
        (help ? std::cout : std::cerr) << kPortUsage;
        return help ? 0 : 2;
    }
    if (args.empty()) {
        ListPorts(ProbeComPorts(&MakeDevicePort));
        return 0;
    }

    std::string name;
    if (ToUpperAscii(args[0]) != "NONE") {
        const int n = PortNumber(args[0]);
        if (n < 1 || n > kComPortCount) {
            std::cerr << "vpxds-cli: " << args[0] << ": " << GetLangText(3031) << "\n" << kPortUsage;
            return 2;
        }
        name = "com" + std::to_string(n);
    }
    if (!WriteSetting("computer", "com", name))
        return CliFail(9593, AppFilePath("system.ini"));
    g_strComPort = name;
    if (name.empty()) {
        std::cout << GetLangText(3030) << "\n";
        return 0;
    }
    std::cout << ToUpperAscii(name) << " -> " << AppFilePath("system.ini") << "\n";
    // Chosen as asked; a port that cannot be opened now is only a warning (the cable may come later).
    for (const PortProbe& p : ProbeComPorts(&MakeDevicePort)) {
        if (p.name == name && !p.available)
            std::cerr << (p.reason.empty() ? ToUpperAscii(name) : p.reason) << "\n";
    }
    return 0;
}
