// Pseudo-terminal transport of the simulated radio.
#include "link/PtyRadioServer.h"

#ifndef _WIN32
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PtyRadioServer::~PtyRadioServer() { Close(); }

bool PtyRadioServer::Open(std::string& error)
{
    Close();
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        error = std::string("pseudo-terminal: ") + std::strerror(errno);
        if (master >= 0)
            ::close(master);
        return false;
    }
    const char* name = ::ptsname(master);
    if (!name) {
        error = std::string("pseudo-terminal: ") + std::strerror(errno);
        ::close(master);
        return false;
    }
    m_path = name;
    m_slave = ::open(m_path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave >= 0) {
        // Raw until a program sets its own line up: no echo, no line editing, no CR/LF changes.
        termios tio{};
        if (::tcgetattr(m_slave, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(m_slave, TCSANOW, &tio);
        }
    }
    const int flags = ::fcntl(master, F_GETFL);
    ::fcntl(master, F_SETFL, flags | O_NONBLOCK);
    m_master = master;
    return true;
}

void PtyRadioServer::Close()
{
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = -1;
    m_slave = -1;
    m_line.Clear();
}

bool PtyRadioServer::Serve(const std::atomic<bool>& stop)
{
    using Clock = SimLine::Clock;
    if (m_master < 0)
        return false;
    std::uint8_t buffer[512];
    while (!stop.load()) {
        Clock::time_point now = Clock::now();
        const std::vector<std::uint8_t> due = m_line.TakeDue(now);
        std::size_t done = 0;
        while (done < due.size()) {
            const ssize_t n = ::write(m_master, due.data() + done, due.size() - done);
            if (n > 0)
                done += static_cast<std::size_t>(n);
            else if (n < 0 && errno != EINTR && errno != EAGAIN)
                return false;
            else if (n < 0 && errno == EAGAIN) {
                pollfd out{m_master, POLLOUT, 0};
                ::poll(&out, 1, 10);
            }
        }

        auto wait = std::chrono::nanoseconds(std::chrono::milliseconds(50));
        if (!m_line.Empty())
            wait =
                std::min(wait, std::chrono::duration_cast<std::chrono::nanoseconds>(m_line.NextDue() - now));
        if (wait.count() < 0)
            wait = std::chrono::nanoseconds(0);
        timespec ts{static_cast<time_t>(wait.count() / 1000000000),
                    static_cast<long>(wait.count() % 1000000000)};
        pollfd in{m_master, POLLIN, 0};
        const int rc = ::ppoll(&in, 1, &ts, nullptr);
        if (rc < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (rc == 0 || !(in.revents & POLLIN))
            continue;
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        now = Clock::now();
        const std::vector<std::uint8_t> bytes(buffer, buffer + n);
        SimulatedRadio* radio = m_useLineup ? m_lineup.Present(now) : &m_radio;
        if (radio == nullptr)
            continue; // no radio plugged: the bytes go nowhere
        const std::vector<SimResponse> responses = radio->Receive(bytes);
        for (const SimResponse& r : responses) {
            if (r.drop) { // the cable is pulled: the program's port fails
                Close();
                return true;
            }
        }
        m_line.Transmit(bytes.size(), responses, now);
    }
    return true;
}

#else

PtyRadioServer::~PtyRadioServer() = default;
bool PtyRadioServer::Open(std::string& error)
{
    error = "pseudo-terminals are not available on this system";
    return false;
}
bool PtyRadioServer::Serve(const std::atomic<bool>&) { return false; }
void PtyRadioServer::Close() {}

#endif
