// Fleet runs against paced simulated radios on pseudo-terminals, timed and their processor time taken.
#include "tools/bench/BenchFleet.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>
#include <sys/wait.h>

#include "codeplug/ModelCatalogue.h"
#include "fleet/FleetRun.h"
#include "fleet/FleetRunner.h"
#include "fleet/FleetUi.h"
#include "history/HistoryRecorder.h"
#include "link/PortNames.h"
#include "link/PosixSerialPort.h"
#include "link/PtyRadioServer.h"
#include "link/RadioPort.h"
#include "tools/bench/BenchCpu.h"

namespace {

constexpr int kPortCounts[] = {1, 2, 4, 8};

class SilentFleetUi : public FleetUi {
public:
    void PortStatus(int, const FleetPortStatus&) override {}
    void RadioHandled(const FleetRadio&) override {}
    void MayUnplug(int, const std::string&) override {}
};

struct FleetFigures {
    double wall = 0;
    double cpu = 0;
    bool ok = false;
};

std::unique_ptr<SerialPort> MakePosixPort() { return std::make_unique<PosixSerialPort>(); }

// One run: a radio on each of n terminals, a fleet run for n radios.
FleetFigures MeasureFleet(int n, const std::function<pid_t(PtyRadioServer&)>& serve)
{
    FleetFigures f;
    std::vector<std::unique_ptr<PtyRadioServer>> servers;
    std::vector<pid_t> children;
    for (int i = 0; i < n; ++i) {
        auto server = std::make_unique<PtyRadioServer>();
        server->SetPaced(true);
        RadioLineup lineup;
        lineup.SetStay(std::chrono::hours(1));
        lineup.Add(SimulatedRadio(), "BENCH-" + std::to_string(i + 1));
        server->SetLineup(std::move(lineup));
        std::string error;
        if (!server->Open(error)) {
            std::fprintf(stderr, "vpxds-bench: %s\n", error.c_str());
            break;
        }
        const pid_t child = serve(*server);
        if (child != 0)
            children.push_back(child);
        servers.push_back(std::move(server));
    }
    if (static_cast<int>(children.size()) == n) {
        HistoryRecorder history;
        FleetRun run(CodePlug(BuildBandImage("33")), n, &history);
        SilentFleetUi ui;
        FleetRunner runner(run, ui);
        for (auto& server : servers) {
            auto port = std::make_unique<RadioPort>(&MakePosixPort);
            ConfigureRadioPort(*port, server->DevicePath(), kCodePlugLineSettings);
            runner.AddPort(std::move(port), server->DevicePath());
        }
        const double cpu0 = ProcessCpuSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        runner.Start();
        runner.Wait();
        f.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        f.cpu = ProcessCpuSeconds() - cpu0;
        f.ok = run.Programmed() == n;
    }
    for (pid_t child : children) {
        kill(child, SIGTERM);
        int status = 0;
        waitpid(child, &status, 0);
    }
    return f;
}

void PrintFleet(int n, const FleetFigures& f, double oneWall)
{
    std::printf("fleet %d port%s %s  wall %.3f s  ratio to one port %.3f  cpu %.3f s (%.2f %% of one core per port)\n",
                n, n == 1 ? " " : "s", f.ok ? "ok  " : "FAIL", f.wall, oneWall > 0 ? f.wall / oneWall : 0.0, f.cpu,
                100.0 * f.cpu / f.wall / n);
}

} // namespace

bool RunFleetBench(int rounds, const std::function<pid_t(PtyRadioServer&)>& serve)
{
    std::printf("fleet runs: one paced simulated radio per pseudo-terminal, each backed up, written and "
                "verified (POSIX termios port, one thread per port)\n");
    constexpr std::size_t kCounts = sizeof kPortCounts / sizeof kPortCounts[0];
    FleetFigures sums[kCounts];
    bool allOk = true;
    for (int r = 0; r < rounds; ++r) {
        double oneWall = 0;
        for (std::size_t i = 0; i < kCounts; ++i) {
            const FleetFigures f = MeasureFleet(kPortCounts[i], serve);
            if (i == 0)
                oneWall = f.wall;
            PrintFleet(kPortCounts[i], f, oneWall);
            sums[i].wall += f.wall;
            sums[i].cpu += f.cpu;
            allOk = allOk && f.ok;
        }
    }
    std::printf("fleet, mean of %d rounds:\n", rounds);
    for (std::size_t i = 0; i < kCounts; ++i) {
        FleetFigures mean{sums[i].wall / rounds, sums[i].cpu / rounds, allOk};
        PrintFleet(kPortCounts[i], mean, sums[0].wall / rounds);
    }
    return allOk;
}
