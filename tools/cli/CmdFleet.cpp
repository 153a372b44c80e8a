// vpxds-cli fleet: one data file into many radios, every given port at once, each radio verified and
// kept in the radio history; one line per radio on standard error and, with --log, a CSV list.
#include <algorithm>
#include <csignal>
#include <iomanip>
#include <iostream>
#include <mutex>
#include <set>
#include <sstream>

#include "app/LangText.h"
#include "codeplug/DataFile.h"
#include "codeplug/ModelCatalogue.h"
#include "fleet/FleetRun.h"
#include "fleet/FleetRunner.h"
#include "fleet/FleetTexts.h"
#include "fleet/FleetUi.h"
#include "history/HistoryRecorder.h"
#include "fleet/SimulatedFleetPort.h"
#include "link/PortNames.h"
#include "link/PreWriteCheck.h"
#include "link/RadioPort.h"
#include "tools/cli/CliLinkUi.h"
#include "tools/cli/Commands.h"

namespace {

constexpr int kTextNotWritten = 9627; // the code plug's problems were not confirmed

const char* kFleetUsage =
    "usage: vpxds-cli fleet FILE --port PORT [--port PORT ...] --count N [--log OUT.csv] [--force]\n"
    "Writes the data file FILE into N radios in all, on every PORT at the same time, one radio per\n"
    "port at a time. Each port waits for a radio (it asks once a second, writing nothing), reads its\n"
    "identity and serial number, backs it up into the radio history, writes FILE, reads it back and\n"
    "compares, and records the result; then it waits until the radio is unplugged before it takes the\n"
    "next one. A radio already handled in this run is recorded once and not written again; one of\n"
    "another model or band than FILE's is refused and recorded; one that fails is recorded with the\n"
    "reason and the run goes on. The run ends once N radios are programmed and verified.\n"
    "FILE is checked once before the first radio; its problems are asked about on the terminal, and\n"
    "without a terminal nothing is written unless --force is given.\n"
    "Standard error gets one line per radio: port, serial number, result, seconds, message.\n"
    "--log OUT.csv writes the list of every radio handled (serial, hardware, firmware, port, start,\n"
    "end, result, message). Exit code 0 only when N radios were programmed and verified.\n"
    "Ctrl+C stops the run once the radios being written are done.\n"
    "PORT as for write; 'simulator', 'simulator2', ... 'simulator99' are simulated ports of their own,\n"
    "where a new simulated radio (serial numbers SIMn-0001, SIMn-0002, ...) is plugged in for 5\n"
    "seconds every 8 seconds. 'vpxds-cli sim --lineup' serves such radios on a pseudo-terminal.\n";

FleetRun* g_fleetRun = nullptr;

extern "C" void StopFleet(int)
{
    if (g_fleetRun != nullptr)
        g_fleetRun->RequestStop();
}

struct FleetArgs {
    std::string file;
    std::vector<std::string> ports;
    int count = 0;
    std::string log;
    bool force = false;
    bool help = false;
    std::string error;
};

FleetArgs ParseFleetArgs(const CliArgs& args)
{
    FleetArgs f;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--help" || a == "-h") {
            f.help = true;
        } else if (a == "--force") {
            f.force = true;
        } else if (a == "--port" && hasValue) {
            f.ports.push_back(args[++i]);
        } else if (a == "--log" && hasValue) {
            f.log = args[++i];
        } else if (a == "--count" && hasValue) {
            const std::string& value = args[++i];
            const bool digits = !value.empty() && value.size() <= 6 &&
                                std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
            f.count = digits ? std::stoi(value) : 0;
            if (f.count < 1)
                f.error = "--count needs a number of radios, 1 or more";
        } else if (!a.empty() && a[0] == '-') {
            f.error = "unknown option " + a;
        } else if (f.file.empty()) {
            f.file = a;
        } else {
            f.error = "more than one file given";
        }
    }
    if (!f.help && f.error.empty()) {
        if (f.file.empty() || f.ports.empty() || f.count < 1)
            f.error = "FILE, --port PORT and --count N are needed";
        else if (std::set<std::string>(f.ports.begin(), f.ports.end()).size() != f.ports.size())
            f.error = "a port is given twice";
    }
    return f;
}

// The terminal's side of the run: one line per radio, and the events of a port that a person must
// see, each line whole (the ports report from their own threads).
class CliFleetUi : public FleetUi {
public:
    explicit CliFleetUi(const std::vector<std::string>& labels) : m_labels(labels), m_last(labels.size()) {}

    void PortStatus(int port, const FleetPortStatus& status) override
    {
        if (status.state != FleetPortState::Failed || status.text == m_last[static_cast<std::size_t>(port)])
            return; // a port that cannot be opened is told once, not every second
        const std::lock_guard lock(m_mutex);
        m_last[static_cast<std::size_t>(port)] = status.text;
        std::cerr << m_labels[static_cast<std::size_t>(port)] << ": " << status.text << "\n";
    }
    void RadioHandled(const FleetRadio& radio) override
    {
        std::ostringstream line;
        line << radio.port << "  " << (radio.serial.empty() ? "-" : radio.serial) << "  "
             << FleetResultName(radio.result) << "  " << std::fixed << std::setprecision(1) << radio.seconds
             << " s";
        if (radio.result != FleetResult::Programmed)
            line << "  " << radio.message;
        const std::lock_guard lock(m_mutex);
        std::cerr << line.str() << "\n";
    }
    void MayUnplug(int, const std::string&) override {}

private:
    std::vector<std::string> m_labels;
    std::vector<std::string> m_last;
    std::mutex m_mutex;
};

} // namespace

int CmdFleet(const CliArgs& args)
{
    const FleetArgs a = ParseFleetArgs(args);
    if (a.help) {
        std::cout << kFleetUsage;
        return 0;
    }
    if (!a.error.empty()) {
        std::cerr << "vpxds-cli: " << a.error << "\n" << kFleetUsage;
        return 2;
    }
    std::string image;
    const int loaded = LoadDataFile(a.file, image);
    if (loaded != 0)
        return CliFail(loaded, a.file);
    const CodePlug plug(image);

    // The file is checked once, against its own band: a radio of another band is refused anyway.
    const PreWriteCheck check = CheckBeforeWrite(plug, BandCodeOf(plug.Text()));
    if (!check.Clean()) {
        CliLinkUi asking(false, false);
        asking.SetForceWrite(a.force);
        if (!asking.AskWriteAnyway(check))
            return CliFail(kTextNotWritten);
    }

    HistoryRecorder history;
    WarnHistoryNotKept(history);
    FleetRun run(plug, a.count, &history);
    CliFleetUi ui(a.ports);
    FleetRunner runner(run, ui);
    for (const std::string& name : a.ports) {
        if (const int simulated = SimulatedFleetPortNumber(name)) {
            runner.AddPort(MakeSimulatedFleetPort(simulated, a.count), name);
            continue;
        }
        auto port = std::make_unique<RadioPort>(&MakeDevicePort);
        ConfigureRadioPort(*port, name, kCodePlugLineSettings);
        runner.AddPort(std::move(port), name);
    }

    g_fleetRun = &run;
    struct sigaction sa {};
    struct sigaction oldInt {};
    sa.sa_handler = StopFleet;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, &oldInt);
    runner.Start();
    runner.Wait();
    sigaction(SIGINT, &oldInt, nullptr);
    g_fleetRun = nullptr;

    int rc = run.Programmed() >= a.count ? 0 : 1;
    if (!a.log.empty()) {
        std::string error;
        if (!SaveFleetCsv(a.log, run.Radios(), error)) {
            std::cerr << GetLangTextWith(fleettext::kNotSaved, {error}) << "\n";
            rc = 1;
        }
    }
    std::cerr << GetLangTextWith(fleettext::kRunEnded, {std::to_string(run.Programmed()), std::to_string(a.count)})
              << "\n";
    return rc;
}
