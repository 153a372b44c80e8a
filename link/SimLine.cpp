// Scheduling of the simulated line's bytes.
#include "link/SimLine.h"

#include <algorithm>

SimLine::Clock::duration SimLine::ByteTime() const
{
    return m_paced ? std::chrono::duration_cast<Clock::duration>(kByteTime) : Clock::duration::zero();
}

SimLine::Clock::time_point SimLine::Readable(Clock::time_point at, Clock::time_point groupEnd) const
{
    Clock::time_point t = m_delivery == Delivery::WholeReply ? groupEnd : at;
    if (m_tickMs > 0) {
        const auto tick = std::chrono::duration_cast<Clock::duration>(std::chrono::milliseconds(m_tickMs));
        const auto since = t.time_since_epoch();
        t = Clock::time_point((since + tick - Clock::duration(1)) / tick * tick);
    }
    return t;
}

SimLine::Clock::time_point SimLine::Place(const std::vector<std::uint8_t>& bytes, Clock::time_point start)
{
    if (bytes.empty())
        return start;
    const Clock::duration byteTime = ByteTime();
    const Clock::time_point end = start + byteTime * static_cast<long>(bytes.size());
    Clock::time_point t = start;
    for (std::uint8_t b : bytes) {
        t += byteTime;
        const Timed item{t, Readable(t, end), b};
        // After everything that crossed the line before it (bytes at the same moment keep their order).
        const auto at = std::upper_bound(m_queue.begin(), m_queue.end(), t,
                                         [](Clock::time_point v, const Timed& q) { return v < q.at; });
        m_queue.insert(at, item);
    }
    return end;
}

void SimLine::Transmit(std::size_t requestBytes, const std::vector<SimResponse>& responses,
                       Clock::time_point now)
{
    // The request occupies the line towards the radio; the radio answers once it has arrived.
    const Clock::time_point arrived = std::max(now, m_lineFree) + ByteTime() * static_cast<long>(requestBytes);
    m_lineFree = arrived;
    for (const SimResponse& r : responses) {
        // A late answer does not hold the radio up: what it answers next may come first, and the late
        // one arrives after the next frame went out.
        const Clock::time_point ready = std::max(arrived, m_radioFree);
        const Clock::time_point start = ready + std::chrono::milliseconds(r.delayMs);
        std::vector<std::uint8_t> reply = r.bytes;
        Clock::time_point end = start;
        // Stray bytes inside the reply travel with it: the line carries them between its bytes.
        for (const SimStray& s : r.strays)
            if (s.where == SimStray::Where::Inside)
                reply.insert(reply.begin() + static_cast<long>(std::min(s.index, reply.size())), s.bytes.begin(),
                             s.bytes.end());
        for (const SimStray& s : r.strays)
            if (s.where == SimStray::Where::Before) // just in front: the reply follows them at once
                end = Place(s.bytes, end);
        end = Place(reply, end);
        m_radioFree = r.delayMs > 0 ? ready : end;
        for (const SimStray& s : r.strays)
            if (s.where == SimStray::Where::After)
                Place(s.bytes, end + std::chrono::milliseconds(s.delayMs));
    }
}

void SimLine::Inject(const std::vector<std::uint8_t>& bytes, Clock::time_point at) { Place(bytes, at); }

std::vector<std::uint8_t> SimLine::TakeDue(Clock::time_point now)
{
    std::vector<std::uint8_t> out;
    while (!m_queue.empty() && m_queue.front().readable <= now) {
        out.push_back(m_queue.front().byte);
        m_queue.pop_front();
    }
    return out;
}

void SimLine::Clear()
{
    m_queue.clear();
    m_lineFree = Clock::time_point{};
    m_radioFree = Clock::time_point{};
}
