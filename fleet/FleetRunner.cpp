// The worker threads of a fleet run.
#include "fleet/FleetRunner.h"

#include "app/LangText.h"
#include "fleet/FleetRun.h"
#include "fleet/FleetTexts.h"
#include "fleet/FleetSession.h"
#include "link/SerialPort.h"

FleetRunner::~FleetRunner()
{
    if (!m_threads.empty())
        m_run.RequestStop();
    Wait();
}

void FleetRunner::AddPort(std::unique_ptr<SerialPort> port, const std::string& label)
{
    m_ports.push_back(std::move(port));
    m_labels.push_back(label);
}

void FleetRunner::Start()
{
    // The interface texts are read from their file the first time one is asked for: here, on the thread
    // that starts the run, before the ports' threads look texts up at the same time.
    GetLangText(fleettext::kTitle);
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        m_threads.emplace_back([this, i] {
            FleetSession session(*m_ports[i], m_labels[i], static_cast<int>(i), m_run, m_ui);
            session.Run();
        });
    }
}

void FleetRunner::Wait()
{
    for (std::thread& t : m_threads)
        if (t.joinable())
            t.join();
    m_threads.clear();
}
