// Block-echo and lone-identity checks of radio replies.
#include "link/ReplyCheck.h"

#include "link/LineDiscipline.h"
#include "link/Protocol.h"
#include "link/SerialPort.h"

namespace {

// "52" + 4 address digits + 2 length digits.
constexpr std::size_t kEchoChars = 8;

bool IsBlockRead(const std::string& command)
{
    return command.size() == kEchoChars && command.compare(0, 2, "52") == 0;
}

// Nothing arrives within the quiet time after the reply.
bool LineStaysQuiet(SerialPort& port)
{
    if (port.BytesWaiting() != 0)
        return false;
    if (!port.WaitForInput(kLineQuietMs))
        return false;
    return port.BytesWaiting() == 0;
}

} // namespace

bool BlockEcho::Accept(SerialPort& port, const std::string& command, const std::string& reply)
{
    if (!IsBlockRead(command))
        return true;
    const bool echo = reply.compare(0, kEchoChars, command) == 0;
    switch (m_state) {
    case State::Unknown:
        if (echo) {
            m_state = State::Echoing;
            return true;
        }
        if (!LineStaysQuiet(port))
            return false; // a shifted reply decides nothing about the radio
        m_state = State::Other;
        return true;
    case State::Echoing:
        return echo;
    case State::Other:
        return LineStaysQuiet(port);
    }
    return true;
}

bool IdentityAlone::Accept(SerialPort& port, const std::string&, const std::string&)
{
    DelayMs(m_sleepMs);
    return port.BytesWaiting() == 0;
}

bool BlockWriteAck::Accept(SerialPort& port, const std::string&, const std::string& reply)
{
    if (reply == FRAME_ACK)
        return true;
    // The radio's own answer to this frame may still be on its way (the frame itself takes 23 ms at
    // 9600 baud): a refusal counts only when nothing else comes within the block's whole time limit.
    constexpr int kBlockLimitMs = 200;
    return SettleLine(port, kBlockLimitMs, 2 * kBlockLimitMs) == 0;
}
