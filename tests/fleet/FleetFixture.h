// Shared pieces of the fleet tests: an application and data folder of their own, a window stand-in that
// records what a run tells, and ports with lineups of simulated radios on virtual time.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "codeplug/ModelCatalogue.h"
#include "fleet/FleetRun.h"
#include "fleet/FleetRunner.h"
#include "fleet/FleetUi.h"
#include "history/HistoryRecorder.h"
#include "link/LineupPort.h"
#include "link/RadioLineup.h"
#include "tests/link/LinkTestSupport.h"
#include "tests/support/DataHome.h"

// Records every call of a run; can ask the run to stop once some radios were handled.
class RecordingFleetUi : public FleetUi {
public:
    void PortStatus(int port, const FleetPortStatus& status) override
    {
        const std::lock_guard lock(mutex);
        statuses.push_back({port, status});
    }
    void RadioHandled(const FleetRadio& radio) override
    {
        const std::lock_guard lock(mutex);
        radios.push_back(radio);
        if (run != nullptr && stopAfter > 0 && static_cast<int>(radios.size()) >= stopAfter)
            run->RequestStop();
    }
    void MayUnplug(int port, const std::string&) override
    {
        const std::lock_guard lock(mutex);
        unplugs.push_back(port);
    }

    std::vector<FleetRadio> WithResult(FleetResult result) const
    {
        std::vector<FleetRadio> out;
        for (const FleetRadio& r : radios)
            if (r.result == result)
                out.push_back(r);
        return out;
    }

    std::mutex mutex;
    std::vector<std::pair<int, FleetPortStatus>> statuses;
    std::vector<FleetRadio> radios;
    std::vector<int> unplugs;
    FleetRun* run = nullptr;
    int stopAfter = 0;
};

// A radio as the factory leaves it (band 33, model TQ951).
inline SimulatedRadio GoodRadio() { return SimulatedRadio(); }

// Whether a simulated radio got any block write.
inline bool WasWritten(const SimulatedRadio& radio)
{
    for (const std::string& f : radio.Frames())
        if (f.rfind("57", 0) == 0)
            return true;
    return false;
}

// A fleet run on virtual time: lineups of simulated radios, one per port, and the run over them.
struct SimFleet {
    explicit SimFleet(int count, int ports = 1)
        : plug(BuildBandImage("33")), history(HistoryStore::DefaultPath()), run(plug, count, &history)
    {
        ui.run = &run;
        for (int i = 0; i < ports; ++i)
            lineups.push_back(std::make_unique<RadioLineup>());
    }
    // Runs every port to the end of the run.
    void Run()
    {
        FleetRunner runner(run, ui);
        for (std::size_t i = 0; i < lineups.size(); ++i)
            runner.AddPort(std::make_unique<LineupPort>(*lineups[i]), "sim" + std::to_string(i + 1));
        runner.Start();
        runner.Wait();
    }

    LinkAppDir appDir;
    DataHome home;
    CodePlug plug;
    HistoryRecorder history;
    FleetRun run;
    RecordingFleetUi ui;
    std::vector<std::unique_ptr<RadioLineup>> lineups;
};
