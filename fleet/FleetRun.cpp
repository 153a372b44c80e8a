// The shared state of a fleet run, behind its mutex.
#include "fleet/FleetRun.h"

#include <ctime>

#include "history/HistoryRecorder.h"

namespace {

// "fleet 2026-12-08 14:03:22": the run's name in its history rows.
std::string RunName(std::time_t start)
{
    std::string name = "fleet ";
    name += HistoryTimeText(start);
    return name;
}

} // namespace

FleetRun::FleetRun(const CodePlug& plug, int count, HistoryRecorder* history)
    : m_plug(plug), m_count(count), m_id(RunName(std::time(nullptr))), m_history(history)
{
}

FleetRun::Admission FleetRun::Admit(const std::string& serial, bool acceptable)
{
    const std::lock_guard lock(m_mutex);
    if (m_stop.load() || m_programmed >= m_count)
        return Admission::Over;
    if (!serial.empty() && m_handled.count(serial) != 0)
        return m_repeatRecorded.insert(serial).second ? Admission::RepeatedFirst : Admission::RepeatedAgain;
    if (!acceptable) {
        if (!serial.empty())
            m_handled.insert(serial);
        return Admission::Refuse;
    }
    if (m_programmed + m_inProgress >= m_count)
        return Admission::AllBusy;
    if (!serial.empty())
        m_handled.insert(serial);
    ++m_inProgress;
    return Admission::Take;
}

void FleetRun::EndRadio(bool programmed)
{
    const std::lock_guard lock(m_mutex);
    --m_inProgress;
    if (programmed)
        ++m_programmed;
}

bool FleetRun::Over() const
{
    const std::lock_guard lock(m_mutex);
    return m_stop.load() || m_programmed >= m_count;
}

bool FleetRun::AllBusy() const
{
    const std::lock_guard lock(m_mutex);
    return m_programmed + m_inProgress >= m_count;
}

int FleetRun::Programmed() const
{
    const std::lock_guard lock(m_mutex);
    return m_programmed;
}

void FleetRun::Record(std::vector<HistoryRecord> rows, FleetRadio& radio)
{
    const std::lock_guard lock(m_mutex);
    for (HistoryRecord& row : rows)
        row.run = m_id;
    if (m_history != nullptr && !m_history->Record(std::move(rows), radio.port))
        radio.message = OneLine(radio.message + "\n" + m_history->Note());
    m_radios.push_back(radio);
}

std::vector<FleetRadio> FleetRun::Radios() const
{
    const std::lock_guard lock(m_mutex);
    return m_radios;
}
