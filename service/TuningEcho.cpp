// The learned echo check of the tuning frames' replies.
#include "service/TuningEcho.h"

#include "link/LineDiscipline.h"
#include "link/Protocol.h"

namespace {

constexpr const char* kAskLetters = "4153";

// The beginning of the reply that echoes command: its two letters, then the item byte where it has one.
std::string EchoOf(const std::string& command)
{
    const std::string letters = command.substr(0, 4);
    if (command.compare(0, 6, "41534B") == 0 && command.size() == 8)
        return letters + command.substr(6, 2); // ASK: "AS" + item
    if (command == FRAME_CLOS)
        return letters;
    return command.size() == 8 ? letters + command.substr(4, 2) : letters; // TS, SV, TF: letters + item
}

// Nothing follows the reply within the quiet time of the line.
bool LineQuietAfterReply(SerialPort& port) { return SettleLine(port, kLineQuietMs, kLineQuietMs) == 0; }

} // namespace

bool TuningEcho::Accept(SerialPort& port, const std::string& command, const std::string& reply)
{
    if (command.size() < 4)
        return true;
    const std::string letters = command.substr(0, 4);
    const std::string echo = EchoOf(command);
    const bool echoed = reply.compare(0, echo.size(), echo) == 0;
    const bool ask = letters == kAskLetters;
    State& state = m_states[letters];
    switch (state) {
    case State::Unknown:
        if (echoed) {
            state = State::Echoing;
            return true;
        }
        if (ask && !LineQuietAfterReply(port))
            return false; // a shifted reply decides nothing about the radio
        state = State::Other;
        return true;
    case State::Echoing:
        return echoed;
    case State::Other:
        return !ask || LineQuietAfterReply(port);
    }
    return true;
}

bool TuningEcho::Echoing(const std::string& letters) const
{
    const auto it = m_states.find(letters);
    return it != m_states.end() && it->second == State::Echoing;
}
