// termios serial device of the command-line tool.
#include "link/PosixSerialPort.h"

#include "app/LangText.h"

#include "link/LineSettings.h"
#include "link/PortNames.h"

#ifndef _WIN32
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t BaudConstant(int baud)
{
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B9600;
    }
}

} // namespace

PosixSerialPort::~PosixSerialPort() { Close(); }

bool PosixSerialPort::Open(std::string& error)
{
    if (m_fd >= 0)
        return true;
    LineSettings line;
    if (!LineSettings::Parse(m_settings, line)) {
        error = m_device + ": unusable line settings \"" + m_settings + "\"";
        return false;
    }
    const int fd = ::open(m_device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        const PortFailure kind = err == EACCES || err == EPERM ? PortFailure::PermissionDenied
                                 : err == ENOENT || err == ENODEV || err == ENXIO ? PortFailure::NotFound
                                                                                  : PortFailure::Other;
        error = PortOpenFailureText(m_device, std::strerror(err), kind);
        return false;
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        const int err = errno;
        ::close(fd);
        error = PortOpenFailureText(m_device, GetLangText(3034) + " (" + std::strerror(err) + ")",
                                    PortFailure::Other);
        return false;
    }
    // Exclusive use keeps other programs off the line during a transfer; the port works without it.
    static_cast<void>(::ioctl(fd, TIOCEXCL));
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | PARENB | PARODD);
    switch (line.dataBits) {
    case 5:
        tio.c_cflag |= CS5;
        break;
    case 6:
        tio.c_cflag |= CS6;
        break;
    case 7:
        tio.c_cflag |= CS7;
        break;
    default:
        tio.c_cflag |= CS8;
        break;
    }
    if (line.stopBits == 2)
        tio.c_cflag |= CSTOPB;
    if (line.parity == 'e')
        tio.c_cflag |= PARENB;
    else if (line.parity == 'o')
        tio.c_cflag |= PARENB | PARODD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, BaudConstant(line.baud));
    ::cfsetospeed(&tio, BaudConstant(line.baud));
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        const int err = errno;
        ::close(fd);
        error = PortOpenFailureText(m_device, std::strerror(err), PortFailure::Other);
        return false;
    }
    ::tcflush(fd, TCIOFLUSH);
    m_fd = fd;
    m_faulted = false;
    m_input.clear();
    return true;
}

void PosixSerialPort::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_input.clear();
}

bool PosixSerialPort::Write(const std::vector<std::uint8_t>& bytes)
{
    if (m_fd < 0 || m_faulted)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd p{m_fd, POLLOUT, 0};
            if (::poll(&p, 1, 1000) > 0 && (p.revents & POLLOUT))
                continue;
        }
        m_faulted = true;
        return false;
    }
    return true;
}

bool PosixSerialPort::Drain()
{
    if (m_fd < 0 || m_faulted)
        return false;
    std::uint8_t buffer[256];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            m_input.insert(m_input.end(), buffer, buffer + n);
            continue;
        }
        if (n == 0 || errno == EAGAIN)
            return true;
        if (errno == EINTR)
            continue;
        m_faulted = true;
        return false;
    }
}

int PosixSerialPort::BytesWaiting()
{
    if (!Drain())
        return -1;
    return static_cast<int>(m_input.size());
}

std::vector<std::uint8_t> PosixSerialPort::ReadAll()
{
    Drain();
    std::vector<std::uint8_t> out;
    out.swap(m_input);
    return out;
}

bool PosixSerialPort::WaitForInput(int milliseconds)
{
    if (m_fd < 0 || m_faulted)
        return false;
    if (!m_input.empty())
        return true;
    pollfd p{m_fd, POLLIN, 0};
    const int rc = ::poll(&p, 1, milliseconds < 0 ? 0 : milliseconds);
    if (rc < 0)
        return errno == EINTR;
    if (rc > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL))) {
        // A hung-up line (adapter unplugged) stays "readable" with nothing to read: bytes that came
        // before the hang-up are still delivered, after that it is a fault, not something to wait on.
        if (!(p.revents & POLLIN) || !Drain() || m_input.empty()) {
            m_faulted = true;
            return false;
        }
    }
    return true;
}

#else // Windows: the command-line tool reaches devices only through the window program's adapter.

PosixSerialPort::~PosixSerialPort() = default;
bool PosixSerialPort::Open(std::string& error)
{
    error = m_device + ": serial devices are not supported by the command-line tool on this system";
    return false;
}
void PosixSerialPort::Close() {}
bool PosixSerialPort::Write(const std::vector<std::uint8_t>&) { return false; }
bool PosixSerialPort::Drain() { return false; }
int PosixSerialPort::BytesWaiting() { return -1; }
std::vector<std::uint8_t> PosixSerialPort::ReadAll() { return {}; }
bool PosixSerialPort::WaitForInput(int) { return false; }

#endif
