// The line to the simulated radio that is plugged at the moment.
#include "link/LineupPort.h"

#include <algorithm>
#include <chrono>

LineupPort::LineupPort(RadioLineup& lineup) : m_clock(m_ownClock), m_lineup(lineup) {}

LineupPort::LineupPort(RadioLineup& lineup, LinkClock& clock) : m_clock(clock), m_lineup(lineup) {}

SimulatedPort* LineupPort::Current()
{
    const int index = m_lineup.PresentIndex(m_clock.Now());
    if (index < 0)
        return nullptr;
    const auto i = static_cast<std::size_t>(index);
    if (m_lines.size() <= i)
        m_lines.resize(i + 1);
    if (!m_lines[i]) {
        m_lines[i] = std::make_unique<SimulatedPort>(m_lineup.At(i), m_clock);
        m_lines[i]->SetPaced(m_paced);
    }
    SimulatedPort* line = m_lines[i].get();
    std::string error;
    if (m_open && !line->IsOpen())
        line->Open(error);
    return line;
}

bool LineupPort::Open(std::string&)
{
    m_open = true;
    return true;
}

void LineupPort::Close()
{
    m_open = false;
    for (auto& line : m_lines)
        if (line)
            line->Close();
}

bool LineupPort::Write(const std::vector<std::uint8_t>& bytes)
{
    if (!m_open)
        return false;
    SimulatedPort* line = Current();
    return line == nullptr || line->Write(bytes); // with no radio plugged the bytes go nowhere
}

int LineupPort::BytesWaiting()
{
    if (!m_open)
        return -1;
    SimulatedPort* line = Current();
    return line == nullptr ? 0 : line->BytesWaiting();
}

std::vector<std::uint8_t> LineupPort::ReadAll()
{
    SimulatedPort* line = Current();
    return line == nullptr ? std::vector<std::uint8_t>() : line->ReadAll();
}

bool LineupPort::WaitForInput(int milliseconds)
{
    if (!m_open)
        return false;
    SimulatedPort* line = Current();
    if (line != nullptr)
        return line->WaitForInput(milliseconds);
    m_clock.SleepFor(std::chrono::milliseconds(std::max(milliseconds, 0)));
    return true;
}
