// Timing of the simulated serial line: when the radio's reply bytes, and bytes that are nobody's
// reply, reach the application. The line may deliver at once, paced as a 9600-baud line with 8 data
// bits and 2 stop bits carries bytes, and byte by byte or in bursts as a USB serial adapter hands them
// over (a whole reply at once, or whatever arrived within each of its polling ticks). It runs on any
// clock: the in-process port gives it virtual time, the pseudo-terminal server the real one.
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

    // How bytes that have crossed the line become readable.
    enum class Delivery {
        Bytes,      // each byte as it arrives
        WholeReply, // a reply (or a group of stray bytes) once its last byte has arrived
    };

    void SetPaced(bool on) { m_paced = on; }
    bool Paced() const { return m_paced; }
    void SetDelivery(Delivery delivery) { m_delivery = delivery; }
    // A USB adapter that hands bytes over only on its polling ticks (0: at once).
    void SetAdapterTickMs(int ms) { m_tickMs = ms; }

    // requestBytes bytes were sent at now; each response is the radio's answer to one frame they
    // completed, queued after the request has crossed the line and after the radio's earlier answers
    // (it sends one thing at a time), each after its extra delay. Stray bytes of a response are placed
    // where they say, independently of the radio.
    void Transmit(std::size_t requestBytes, const std::vector<SimResponse>& responses, Clock::time_point now);
    // Bytes that are nobody's answer arriving from `at` on (noise, another device on the line).
    void Inject(const std::vector<std::uint8_t>& bytes, Clock::time_point at);

    // The bytes readable by now, in the order they crossed the line, removed from the queue.
    std::vector<std::uint8_t> TakeDue(Clock::time_point now);

    bool Empty() const { return m_queue.empty(); }
    std::size_t Pending() const { return m_queue.size(); }
    // When the next byte becomes readable (only valid when not Empty()).
    Clock::time_point NextDue() const { return m_queue.front().readable; }
    void Clear();

private:
    struct Timed {
        Clock::time_point at;       // crossed the line
        Clock::time_point readable; // handed to the application
        std::uint8_t byte;
    };
    Clock::duration ByteTime() const;
    // Queues bytes from start on (paced: one byte time apart); returns when the last one has crossed.
    Clock::time_point Place(const std::vector<std::uint8_t>& bytes, Clock::time_point start);
    Clock::time_point Readable(Clock::time_point at, Clock::time_point groupEnd) const;

    bool m_paced = false;
    Delivery m_delivery = Delivery::Bytes;
    int m_tickMs = 0;
    Clock::time_point m_lineFree{};  // the request side of the line is free again
    Clock::time_point m_radioFree{}; // the radio has sent everything it was asked for so far
    std::deque<Timed> m_queue;       // in the order bytes crossed the line
};
