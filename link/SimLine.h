// Timing of the simulated serial line: when the radio's reply bytes reach the application, either
// at once or paced as a 9600-baud line with 8 data bits and 2 stop bits would carry them.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <vector>

#include "link/SimulatedRadio.h"

class SimLine {
public:
    using Clock = std::chrono::steady_clock;
    // 11 bit times (start, 8 data, 2 stop) at 9600 baud.
    static constexpr std::chrono::nanoseconds kByteTime{1145833};

    void SetPaced(bool on) { m_paced = on; }
    bool Paced() const { return m_paced; }

    // requestBytes bytes were sent at now; the responses are queued after the request has passed
    // the line (paced), each after its extra delay, byte by byte.
    void Transmit(std::size_t requestBytes, const std::vector<SimResponse>& responses, Clock::time_point now);

    // The bytes that have arrived by now, removed from the queue.
    std::vector<std::uint8_t> TakeDue(Clock::time_point now);

    bool Empty() const { return m_queue.empty(); }
    std::size_t Pending() const { return m_queue.size(); }
    Clock::time_point NextDue() const { return m_queue.front().at; }
    void Clear();

private:
    struct Timed {
        Clock::time_point at;
        std::uint8_t byte;
    };
    bool m_paced = false;
    Clock::time_point m_lineFree{};
    std::deque<Timed> m_queue;
};
