// The in-process port to a simulated radio.
#include "link/SimulatedPort.h"

#include <algorithm>

#include "link/SimulatedRadio.h"

SimulatedPort::SimulatedPort(SimulatedRadio& radio) : m_clock(m_ownClock), m_radio(radio) {}

SimulatedPort::SimulatedPort(SimulatedRadio& radio, LinkClock& clock) : m_clock(clock), m_radio(radio) {}

bool SimulatedPort::Open(std::string& error)
{
    if (!m_openFailure.empty()) {
        error = m_openFailure;
        return false;
    }
    m_open = true;
    m_faulted = false;
    return true;
}

void SimulatedPort::Close()
{
    m_open = false;
    m_line.Clear();
    m_received.clear();
}

bool SimulatedPort::Write(const std::vector<std::uint8_t>& bytes)
{
    if (!m_open || m_faulted)
        return false;
    if (m_failAfter >= 0 && m_written + static_cast<long>(bytes.size()) > m_failAfter) {
        m_faulted = true;
        return false;
    }
    m_written += static_cast<long>(bytes.size());
    const std::vector<SimResponse> responses = m_radio.Receive(bytes);
    for (const SimResponse& r : responses)
        if (r.drop)
            m_faulted = true;
    m_line.Transmit(bytes.size(), responses, m_clock.Now());
    return true;
}

void SimulatedPort::Deliver()
{
    const std::vector<std::uint8_t> due = m_line.TakeDue(m_clock.Now());
    m_received.insert(m_received.end(), due.begin(), due.end());
}

int SimulatedPort::BytesWaiting()
{
    if (!m_open || m_faulted)
        return -1;
    Deliver();
    return static_cast<int>(m_received.size());
}

std::vector<std::uint8_t> SimulatedPort::ReadAll()
{
    Deliver();
    std::vector<std::uint8_t> out;
    out.swap(m_received);
    return out;
}

bool SimulatedPort::WaitForInput(int milliseconds)
{
    if (!m_open || m_faulted)
        return false;
    Deliver();
    if (!m_received.empty())
        return true;
    LinkClock::TimePoint until = m_clock.Now() + std::chrono::milliseconds(std::max(milliseconds, 0));
    if (!m_line.Empty() && m_line.NextDue() < until)
        until = m_line.NextDue();
    m_clock.SleepUntil(until);
    return true;
}

void SimulatedPort::InjectInput(const std::vector<std::uint8_t>& bytes)
{
    m_received.insert(m_received.end(), bytes.begin(), bytes.end());
}

void SimulatedPort::InjectLater(const std::vector<std::uint8_t>& bytes, int ms)
{
    m_line.Inject(bytes, m_clock.Now() + std::chrono::milliseconds(ms));
}
