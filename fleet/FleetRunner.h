// Runs a fleet: one worker thread per port, each with its FleetSession, all on one FleetRun. The
// runner owns the ports; it is started and waited for by the thread that made it.
#pragma once

#include <memory>
#include <string>
#include <thread>
#include <vector>

class FleetRun;
class FleetUi;
class SerialPort;

class FleetRunner {
public:
    FleetRunner(FleetRun& run, FleetUi& ui) : m_run(run), m_ui(ui) {}
    // Asks the run to stop and waits for the ports (radios in progress end first).
    ~FleetRunner();
    FleetRunner(const FleetRunner&) = delete;
    FleetRunner& operator=(const FleetRunner&) = delete;

    // Before Start: a port (configured, closed) and its name as the user gave it.
    void AddPort(std::unique_ptr<SerialPort> port, const std::string& label);
    std::size_t PortCount() const { return m_ports.size(); }
    const std::string& Label(std::size_t i) const { return m_labels[i]; }

    // One thread per port; the interface texts are loaded first, on this thread.
    void Start();
    // Returns once every port's session has ended.
    void Wait();

private:
    FleetRun& m_run;
    FleetUi& m_ui;
    std::vector<std::unique_ptr<SerialPort>> m_ports;
    std::vector<std::string> m_labels;
    std::vector<std::thread> m_threads;
};
