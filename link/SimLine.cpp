// Scheduling of the simulated line's bytes.
#include "link/SimLine.h"

#include <algorithm>

void SimLine::Transmit(std::size_t requestBytes, const std::vector<SimResponse>& responses,
                       Clock::time_point now)
{
    const auto byteTime =
        m_paced ? std::chrono::duration_cast<Clock::duration>(kByteTime) : Clock::duration::zero();
    // The request occupies the line towards the radio; replies follow once it has arrived.
    Clock::time_point t = std::max(now, m_lineFree) + byteTime * static_cast<long>(requestBytes);
    m_lineFree = t;
    if (!m_queue.empty())
        t = std::max(t, m_queue.back().at);
    for (const SimResponse& r : responses) {
        t += std::chrono::milliseconds(r.delayMs);
        for (std::uint8_t b : r.bytes) {
            t += byteTime;
            m_queue.push_back({t, b});
        }
    }
}

std::vector<std::uint8_t> SimLine::TakeDue(Clock::time_point now)
{
    std::vector<std::uint8_t> out;
    while (!m_queue.empty() && m_queue.front().at <= now) {
        out.push_back(m_queue.front().byte);
        m_queue.pop_front();
    }
    return out;
}

void SimLine::Clear()
{
    m_queue.clear();
    m_lineFree = Clock::time_point{};
}
