// Frames, the two request primitives and the radio identity of the programming protocol.
#include "link/Protocol.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "app/AppState.h"
#include "codeplug/HexText.h"
#include "link/ExchangeLog.h"
#include "link/LineDiscipline.h"
#include "link/LinkUi.h"
#include "link/ReplyCheck.h"
#include "link/SerialPort.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Byte(int value) { return IntToHex(value & 0xFF, 1); }

// Two hex digits read as a decimal number, up to the first digit that is not decimal.
int DecimalDigits(const std::string& pair)
{
    int value = 0;
    for (char c : pair) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

void SettleAfterFailedAttempt(SerialPort& port, int rc, const std::string& reply, int timeLimitMs)
{
    // A wrong or partial reply means the line carries bytes the exchange did not expect; the frame is
    // sent again only once they have stopped. A silent radio is asked again at once.
    if (rc == LINK_OK || (rc == LINK_TIMEOUT && !reply.empty()))
        SettleLine(port, kLineQuietMs, timeLimitMs);
}

std::string ReadRequestFrame(int address, int length)
{
    return "52" + IntToHex(address & 0xFFFF, 2) + Byte(length);
}

std::string WriteRequestFrame(int address, int length, const std::string& data)
{
    return "57" + IntToHex(address & 0xFFFF, 2) + Byte(length) + data;
}

std::string TsFrame(int item, int value) { return "5453" + Byte(item) + Byte(value); }
std::string AskFrame(int item) { return "41534B" + Byte(item); }
std::string SvFrame(int item, int value) { return "5356" + Byte(item) + Byte(value); }
std::string TfFrame(int item, int value) { return "5446" + Byte(item) + Byte(value); }

std::string ServiceCodeFrame() { return "53" + ScrambleCode(TextToHex(SERVICE_CODE) + "03"); }

void DelayMs(int n)
{
    if (n > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(n));
}

int PortTransceive(SerialPort& port, const std::string& command, std::string& reply, int replyLength,
                   int timeLimitMs)
{
    if (command.size() % 2 != 0)
        return LINK_ODD_LENGTH;
    const std::vector<std::uint8_t> bytes = HexToBytes(command);
    // Whatever waits in the input now is left over from an earlier exchange (a late or surplus
    // reply): it must not become the start of this frame's reply.
    if (!bytes.empty() && DiscardInput(port) < 0)
        return LINK_PORT_FAULT;
    if (!port.Write(bytes))
        return LINK_PORT_FAULT;
    reply.clear();
    if (replyLength <= 0)
        return LINK_OK;

    const std::size_t wanted = 2 * static_cast<std::size_t>(replyLength);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeLimitMs);
    for (;;) {
        const int waiting = port.BytesWaiting();
        if (waiting < 0)
            return LINK_PORT_FAULT;
        if (waiting > 0) {
            reply += BytesToHex(port.ReadAll());
            if (reply.size() >= wanted) {
                reply.resize(wanted); // surplus of this read is dropped
                return LINK_OK;
            }
        }
        const Clock::time_point now = Clock::now();
        if (now > deadline)
            return LINK_TIMEOUT;
        // Round up so that the last wait reaches past the deadline instead of polling.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
        if (!port.WaitForInput(static_cast<int>(left) + 1))
            return LINK_PORT_FAULT;
    }
}

bool PortExchange(SerialPort& port, const std::string& command, std::string& reply, int replyLength,
                  int timeLimitMs, const std::string& expected, ExchangeLog& log, bool reportFailure,
                  int* lastResult, ReplyCheck* check)
{
    log.EmptyIfFull();
    int rc = LINK_OK;
    for (int attempt = 1; attempt <= 3; ++attempt) {
        if (g_bServiceView)
            log.Append("S:" + command + "\r\n");
        rc = PortTransceive(port, command, reply, replyLength, timeLimitMs);
        if (lastResult)
            *lastResult = rc;
        if (g_bServiceView)
            log.Append("R:" + reply + "\r\n");
        if (rc == LINK_OK && (expected.empty() || reply == expected) &&
            (!check || check->Accept(port, command, reply)))
            return true;
        if (rc == LINK_PORT_FAULT)
            return false;
        if (attempt < 3)
            SettleAfterFailedAttempt(port, rc, reply, timeLimitMs);
    }
    if (reportFailure) {
        if (log.Ui())
            log.Ui()->ReportMessage(3009, std::string());
        port.Close();
    }
    return false;
}

std::string ScrambleCode(const std::string& field)
{
    if (field == "FFFFFFFFFFFFFFFFFFFF")
        return field;
    if (field.size() != 20 || !IsHexText(field))
        return std::string();
    const std::vector<std::uint8_t> in = HexToBytes(field);
    const std::vector<std::uint8_t> key = HexToBytes(SCRAMBLE_KEY);
    std::vector<std::uint8_t> out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i)
        out[i] = static_cast<std::uint8_t>(in[i] ^ key[i]);
    return BytesToHex(out);
}

RadioIdentity::RadioIdentity(const std::string& replyHex)
{
    if (replyHex.size() == 16 && IsHexText(replyHex))
        m_hex = ToUpperAscii(replyHex);
}

std::string RadioIdentity::ModelTag() const
{
    return IsValid() ? HexToText(m_hex.substr(0, 8)) : std::string();
}

std::string RadioIdentity::ModelNumber() const
{
    return IsValid() ? HexToText(m_hex.substr(2, 8)) : std::string();
}

std::string RadioIdentity::BandCode() const { return IsValid() ? m_hex.substr(10, 2) : std::string(); }

std::string RadioIdentity::VersionText() const
{
    if (!IsValid())
        return std::string();
    const int major = DecimalDigits(m_hex.substr(12, 2));
    const int minor = DecimalDigits(m_hex.substr(14, 2));
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", major, minor);
    return text;
}

bool OpenRadioPort(SerialPort& port, std::string& error)
{
    if (port.IsOpen())
        return true;
    if (!port.Open(error))
        return false;
    DelayMs(100);
    return true;
}

HandshakeStep HandshakeIdentify(SerialPort& port, ExchangeLog& log, const HandshakeLimits& limits,
                                const std::string& modeFrame, RadioIdentity& identity, int* lastResult)
{
    std::string reply;
    if (!PortExchange(port, modeFrame, reply, 1, limits.modeMs, FRAME_ACK, log, limits.modeReport,
                      lastResult))
        return HandshakeStep::ModeFailed;
    // The check sleeps the 20 ms of step 3 (where the caller has it) and then makes sure that nothing
    // followed the identity.
    IdentityAlone alone(limits.sleepAfterIdentity ? 20 : 0);
    if (!PortExchange(port, FRAME_IDENTITY, reply, 8, limits.identityMs, std::string(), log, true, lastResult,
                      &alone))
        return HandshakeStep::IdentityFailed;
    identity = RadioIdentity(reply);
    return HandshakeStep::Done;
}

bool AlignmentWakeUp(SerialPort& port, ExchangeLog& log)
{
    std::string reply;
    if (PortExchange(port, FRAME_QUINTAR, reply, 1, 300, FRAME_ACK, log, false))
        return true;
    if (!PortExchange(port, FRAME_IDENTITY, reply, 0, 300, std::string(), log, false))
        return false;
    DelayMs(40);
    if (!PortExchange(port, FRAME_PROGRAM, reply, 1, 300, FRAME_ACK, log, true))
        return false;
    DelayMs(20);
    return true;
}

HandshakeStep HandshakeAcknowledge(SerialPort& port, ExchangeLog& log, const HandshakeLimits& limits,
                                   int* lastResult)
{
    std::string reply;
    if (!PortExchange(port, FRAME_ACK, reply, 1, limits.ackMs, FRAME_ACK, log, true, lastResult))
        return HandshakeStep::AckFailed;
    DelayMs(20);
    return HandshakeStep::Done;
}

AccessResult RequestServiceAccess(SerialPort& port, ExchangeLog& log, bool forWriting)
{
    std::string reply;
    const char* query = forWriting ? FRAME_WRITE_ACCESS : FRAME_READ_ACCESS;
    if (!PortExchange(port, query, reply, 1, 500, std::string(), log, true))
        return AccessResult::Failed;
    if (forWriting && reply == FRAME_REFUSE)
        return AccessResult::Refused;
    if (reply == FRAME_ACK && !PortExchange(port, ServiceCodeFrame(), reply, 1, 500, FRAME_ACK, log, true))
        return AccessResult::Failed;
    return AccessResult::Granted;
}
