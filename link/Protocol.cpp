// Frames, the two request primitives and the radio identity of the programming protocol.
#include "link/Protocol.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "app/AppState.h"
#include "app/Startup.h"
#include "codeplug/HexText.h"
#include "link/ExchangeLog.h"
#include "link/LineDiscipline.h"
#include "link/LinkUi.h"
#include "link/ReplyCheck.h"
#include "link/SerialPort.h"

namespace {

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
    // A wrong, doubtful or partial reply means the line carries bytes the exchange did not expect; the
    // frame is sent again only once they have stopped. A silent radio is asked again at once.
    if (rc == LINK_OK || rc == LINK_REJECTED || (rc == LINK_TIMEOUT && !reply.empty()))
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

void DelayMs(SerialPort& port, int n)
{
    if (n > 0)
        port.Clock().SleepFor(std::chrono::milliseconds(n));
}

namespace {

// The reply found at start: bytes in front of it were nobody's, bytes after it are kept for the next
// exchange to judge.
int TakeReply(SerialPort& port, const std::vector<std::uint8_t>& got, std::size_t start, std::size_t wanted,
              std::string& reply)
{
    port.Ledger().CountStrays(start);
    const auto first = got.begin() + static_cast<long>(start);
    reply = BytesToHex(std::vector<std::uint8_t>(first, first + static_cast<long>(wanted)));
    port.Ledger().Keep(std::vector<std::uint8_t>(first + static_cast<long>(wanted), got.end()));
    return LINK_OK;
}

// Bytes that cannot be told from a reply by their shape: they are the reply only when exactly the
// awaited number came, they do not begin like the reply to another frame, and nothing follows them (a
// stray byte in front would have pushed the reply's last byte behind them).
int TakeUnframed(SerialPort& port, const ReplyShape& shape, const std::vector<std::uint8_t>& got,
                 std::size_t wanted, std::string& reply)
{
    reply = BytesToHex(got);
    if (got.size() == wanted && !shape.LooksForeign(got) && LineStaysQuiet(port, kLineQuietMs))
        return LINK_OK;
    port.Ledger().CountStrays(got.size());
    return LINK_REJECTED;
}

int TimeUp(SerialPort& port, const ReplyShape& shape, const std::vector<std::uint8_t>& got, std::size_t wanted,
           std::string& reply)
{
    reply = BytesToHex(got);
    // A reply that must be exactly some bytes and is not: alone it is the radio's (wrong) answer; among
    // more bytes nobody can say which of them was.
    if (shape.Known() && !shape.FallsBack() && got.size() >= wanted) {
        if (got.size() == wanted)
            return LINK_OK;
        port.Ledger().CountStrays(got.size());
        return LINK_REJECTED;
    }
    port.Ledger().CountStrays(got.size());
    return LINK_TIMEOUT;
}

int CollectReply(SerialPort& port, const ReplyShape& shape, std::size_t wanted, int timeLimitMs,
                 std::string& reply)
{
    LinkClock& clock = port.Clock();
    const LinkClock::TimePoint deadline = clock.Now() + std::chrono::milliseconds(timeLimitMs);
    std::vector<std::uint8_t> got = port.Ledger().TakeKept();
    for (;;) {
        const int waiting = port.BytesWaiting();
        if (waiting < 0)
            return LINK_PORT_FAULT;
        if (waiting > 0) {
            const std::vector<std::uint8_t> more = port.ReadAll();
            got.insert(got.end(), more.begin(), more.end());
        }
        if (!got.empty()) {
            const std::optional<std::size_t> start = shape.Known() ? shape.Find(got) : std::nullopt;
            if (start && *start + wanted <= got.size())
                return TakeReply(port, got, *start, wanted, reply);
            if (!start && (!shape.Known() || shape.FallsBack()) && got.size() >= wanted)
                return TakeUnframed(port, shape, got, wanted, reply);
        }
        const LinkClock::TimePoint now = clock.Now();
        if (now > deadline)
            return TimeUp(port, shape, got, wanted, reply);
        // One millisecond past the deadline, so that the last wait ends after it instead of polling.
        if (!port.WaitForInput(MillisecondsUntil(now, deadline) + 1))
            return LINK_PORT_FAULT;
    }
}

} // namespace

int PortTransceive(SerialPort& port, const std::string& command, std::string& reply, int replyLength,
                   int timeLimitMs, const ReplyShape& shape)
{
    if (command.size() % 2 != 0)
        return LINK_ODD_LENGTH;
    const std::vector<std::uint8_t> bytes = HexToBytes(command);
    // Whatever waits in the input now came before this frame (a late or surplus reply, noise): it is
    // nobody's answer to it and must not become the start of its reply.
    if (!bytes.empty() && DiscardInput(port) < 0)
        return LINK_PORT_FAULT;
    if (!port.Write(bytes))
        return LINK_PORT_FAULT;
    reply.clear();
    if (replyLength <= 0)
        return LINK_OK;
    return CollectReply(port, shape, static_cast<std::size_t>(replyLength), timeLimitMs, reply);
}

bool PortExchange(SerialPort& port, const std::string& command, std::string& reply, int replyLength,
                  int timeLimitMs, const std::string& expected, ExchangeLog& log, bool reportFailure,
                  const ExchangeExtras& extras)
{
    const ReplyShape shape =
        extras.shape ? *extras.shape : expected.empty() ? ReplyShape() : ReplyShape::Exactly(expected);
    log.EmptyIfFull();
    int rc = LINK_OK;
    for (int attempt = 1; attempt <= 3; ++attempt) {
        if (attempt > 1)
            port.Ledger().CountRepeat();
        if (g_bServiceView)
            log.Append("S:" + command + "\r\n");
        rc = PortTransceive(port, command, reply, replyLength, timeLimitMs, shape);
        if (extras.lastResult)
            *extras.lastResult = rc;
        if (g_bServiceView)
            log.Append("R:" + reply + "\r\n");
        if (rc == LINK_OK && (expected.empty() || reply == expected) &&
            (!extras.check || extras.check->Accept(port, command, reply)))
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
    port.Ledger().ForgetKept();
    DelayMs(port, 100);
    return true;
}

ReplyShape IdentityShape() { return IsFamilyCode(g_strModel) ? ReplyShape::FamilyIdentity() : ReplyShape(); }

namespace {

// "02" awaiting the 8-byte identity; the check sleeps pauseMs and makes sure nothing followed it.
bool AskIdentity(SerialPort& port, ExchangeLog& log, int timeLimitMs, int pauseMs, RadioIdentity& identity,
                 int* lastResult)
{
    std::string reply;
    IdentityAlone alone(pauseMs);
    const ReplyShape shape = IdentityShape();
    if (!PortExchange(port, FRAME_IDENTITY, reply, 8, timeLimitMs, std::string(), log, true,
                      {.lastResult = lastResult, .check = &alone, .shape = &shape}))
        return false;
    identity = RadioIdentity(reply);
    return true;
}

} // namespace

HandshakeStep HandshakeIdentify(SerialPort& port, ExchangeLog& log, const HandshakeLimits& limits,
                                const std::string& modeFrame, RadioIdentity& identity, int* lastResult)
{
    std::string reply;
    if (!PortExchange(port, modeFrame, reply, 1, limits.modeMs, FRAME_ACK, log, limits.modeReport,
                      {.lastResult = lastResult}))
        return HandshakeStep::ModeFailed;
    // The sleep of step 3 (where the caller has it) doubles as the check that nothing followed the
    // identity.
    if (!AskIdentity(port, log, limits.identityMs, limits.sleepAfterIdentity ? 20 : 0, identity, lastResult))
        return HandshakeStep::IdentityFailed;
    return HandshakeStep::Done;
}

bool ConfirmIdentity(SerialPort& port, ExchangeLog& log, int timeLimitMs, int pauseMs, RadioIdentity& identity,
                     int* lastResult)
{
    for (int more = 0; more < 2; ++more) {
        SettleLine(port, kLineQuietMs, timeLimitMs);
        RadioIdentity again;
        if (!AskIdentity(port, log, timeLimitMs, std::max(pauseMs, kLineQuietMs), again, lastResult))
            return false;
        const bool agree = again.Hex() == identity.Hex();
        identity = again;
        if (agree)
            return true;
    }
    return true; // three different answers: the last one stands
}

bool AlignmentWakeUp(SerialPort& port, ExchangeLog& log)
{
    std::string reply;
    if (PortExchange(port, FRAME_QUINTAR, reply, 1, 300, FRAME_ACK, log, false))
        return true;
    if (!PortExchange(port, FRAME_IDENTITY, reply, 0, 300, std::string(), log, false))
        return false;
    DelayMs(port, 40);
    if (!PortExchange(port, FRAME_PROGRAM, reply, 1, 300, FRAME_ACK, log, true))
        return false;
    DelayMs(port, 20);
    return true;
}

HandshakeStep HandshakeAcknowledge(SerialPort& port, ExchangeLog& log, const HandshakeLimits& limits,
                                   int* lastResult)
{
    std::string reply;
    if (!PortExchange(port, FRAME_ACK, reply, 1, limits.ackMs, FRAME_ACK, log, true, {.lastResult = lastResult}))
        return HandshakeStep::AckFailed;
    DelayMs(port, 20);
    return HandshakeStep::Done;
}

AccessResult RequestServiceAccess(SerialPort& port, ExchangeLog& log, bool forWriting)
{
    constexpr int kAccessMs = 500;
    std::string reply;
    const char* query = forWriting ? FRAME_WRITE_ACCESS : FRAME_READ_ACCESS;
    // 06 asks for the service code, 07 refuses; any other answer goes on without the code.
    const ReplyShape shape = ReplyShape::StartingWith({FRAME_ACK, FRAME_REFUSE});
    for (int attempt = 1;; ++attempt) {
        if (!PortExchange(port, query, reply, 1, kAccessMs, std::string(), log, true, {.shape = &shape}))
            return AccessResult::Failed;
        if (!forWriting || reply != FRAME_REFUSE)
            break;
        // A refusal counts only when nothing else comes within the time limit: a 07 among other bytes
        // may be noise in front of the radio's real answer, and the query is asked again.
        if (SettleLine(port, kAccessMs, 2 * kAccessMs) == 0 || attempt == 3)
            return AccessResult::Refused;
    }
    if (reply == FRAME_ACK && !PortExchange(port, ServiceCodeFrame(), reply, 1, kAccessMs, FRAME_ACK, log, true))
        return AccessResult::Failed;
    return AccessResult::Granted;
}
