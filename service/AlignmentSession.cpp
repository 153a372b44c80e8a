// The alignment-data conversation with the radio.
#include "service/AlignmentSession.h"

#include "app/AppState.h"
#include "app/Startup.h"
#include "codeplug/AddressMap.h"
#include "codeplug/HexText.h"
#include "link/LineDiscipline.h"
#include "link/LinkUi.h"
#include "link/Protocol.h"
#include "link/ReplyCheck.h"
#include "link/SerialPort.h"
#include "link/WaitCursor.h"
#include "service/AlignmentBlockRead.h"
#include "service/AlignmentLayout.h"

namespace {

constexpr int kBlockLimitMs = 300;
constexpr int kBlockPauseMs = 5;
constexpr int kIdentityPauseMs = 20;
constexpr int kTextRefused = 9532;

int BlockAddress(int k) { return Addr::kAlignment + kAlignmentBlockBytes * k; }

} // namespace

AlignmentSession::AlignmentSession(SerialPort& port, LinkUi& ui) : m_port(port), m_ui(ui), m_log(&ui) {}

AlignmentResult AlignmentSession::Fail(AlignmentStatus status, int textNumber)
{
    m_port.Close();
    if (textNumber != 0)
        m_ui.ReportMessage(textNumber, std::string());
    return {status, textNumber};
}

AlignmentResult AlignmentSession::ExchangeFailed()
{
    // After its third failed attempt PortExchange has shown 3009 and closed the port. A port that is
    // still open failed itself (PortExchange returns at once then, with no message and the port as it
    // was): that is told here.
    if (m_port.IsOpen())
        return Fail(AlignmentStatus::PortFault, 3012);
    return {AlignmentStatus::RadioStopped, 3009};
}

bool AlignmentSession::OpenPort(AlignmentResult& failure)
{
    m_identity = RadioIdentity();
    std::string error;
    if (OpenRadioPort(m_port, error))
        return true;
    m_ui.ReportMessage(3012, error);
    failure = {AlignmentStatus::PortOpenFailed, 3012};
    return false;
}

bool AlignmentSession::TagAccepted(const std::string& reply) const
{
    const RadioIdentity identity(reply);
    return identity.IsValid() && (!IsFamilyCode(g_strModel) || identity.ModelTag() == kFamilyModelTag);
}

bool AlignmentSession::CheckIdentity(std::string reply, AlignmentResult& failure)
{
    if (!TagAccepted(reply)) {
        // A reply of the mode string that came late (and twice, once the frame was sent again) can slip
        // in front of the identity and push its last byte out of the same read. Before the radio is
        // refused, it is asked once more on a line that has fallen quiet: a radio of another model
        // answers the same again.
        SettleLine(m_port, kLineQuietMs, kBlockLimitMs);
        IdentityAlone alone(kIdentityPauseMs);
        if (!PortExchange(m_port, FRAME_IDENTITY, reply, 8, kAlignmentHandshake.identityMs, std::string(),
                          m_log, true, nullptr, &alone)) {
            failure = ExchangeFailed();
            return false;
        }
    }
    // The identity exchange only accepts 8 bytes; the length rule stays for a radio whose reply
    // could not be read as one.
    const RadioIdentity identity(reply);
    if (!identity.IsValid()) {
        failure = Fail(AlignmentStatus::ShortIdentity, 3006);
        return false;
    }
    m_identity = identity;
    if (!TagAccepted(reply)) {
        failure = Fail(AlignmentStatus::ModelRejected, 3023);
        return false;
    }
    return true;
}

bool AlignmentSession::Acknowledge(AlignmentResult& failure)
{
    if (HandshakeAcknowledge(m_port, m_log, kAlignmentHandshake) == HandshakeStep::Done)
        return true;
    failure = ExchangeFailed();
    return false;
}

bool AlignmentSession::Access(bool forWriting, AlignmentResult& failure)
{
    switch (RequestServiceAccess(m_port, m_log, forWriting)) {
    case AccessResult::Granted:
        return true;
    case AccessResult::Refused:
        // The radio will not take alignment data: nothing more is sent. The user is told, so that a
        // refused write never looks like one that went through.
        failure = Fail(AlignmentStatus::WriteRefused, kTextRefused);
        return false;
    case AccessResult::Failed:
        break;
    }
    failure = ExchangeFailed();
    return false;
}

void AlignmentSession::QuietLine()
{
    // The blocks start on a line that has fallen quiet. An answer of the opening that came late and
    // then a second time (its frame was sent again) would otherwise be taken as the answer to the next
    // frame, and the one after it would slip in front of the first block reply: read as a radio that
    // does not echo its requests, every byte of the block would move by one. A port fault shows in the
    // next exchange.
    SettleLine(m_port, kLineQuietMs, kBlockLimitMs);
}

bool AlignmentSession::ReadBlocks(std::string& block, AlignmentResult& failure)
{
    QuietLine();
    if (!ReadAlignmentBlocks(m_port, m_log, m_ui, block)) {
        failure = ExchangeFailed();
        return false;
    }
    return true;
}

bool AlignmentSession::WriteBlocks(const std::string& data, AlignmentResult& failure)
{
    QuietLine(); // a stray 06 must not stand for the first block's answer
    m_ui.SetProgressRange(1, kAlignmentBlocks);
    for (int k = 0; k < kAlignmentBlocks; ++k) {
        m_ui.SetProgressPos(k + 1);
        const std::string bytes =
            data.substr(static_cast<std::size_t>(2 * kAlignmentBlockBytes * k), 2 * kAlignmentBlockBytes);
        // Anything but 06 is asked for again: writing the same 8 bytes twice does no harm, so a stray
        // byte in front of the radio's 06 costs one more attempt and never a refused write.
        std::string reply;
        if (!PortExchange(m_port, WriteRequestFrame(BlockAddress(k), kAlignmentBlockBytes, bytes), reply, 1,
                          kBlockLimitMs, FRAME_ACK, m_log, true)) {
            failure = ExchangeFailed();
            return false;
        }
        DelayMs(kBlockPauseMs);
    }
    return true;
}

AlignmentResult AlignmentSession::Read(std::string& data)
{
    WaitCursor cursor(m_ui);
    AlignmentResult failure;
    if (!OpenPort(failure))
        return failure;
    RadioIdentity identity;
    if (HandshakeIdentify(m_port, m_log, kAlignmentHandshake, FRAME_QUINTAR, identity) != HandshakeStep::Done)
        return ExchangeFailed();
    std::string block;
    if (!CheckIdentity(identity.Hex(), failure) || !Acknowledge(failure) || !Access(false, failure) ||
        !ReadBlocks(block, failure))
        return failure;
    m_port.Close();
    data = block;
    return {};
}

AlignmentResult AlignmentSession::Write(const std::string& data)
{
    WaitCursor cursor(m_ui);
    if (data.size() != static_cast<std::size_t>(kAlignmentChars) || !IsHexText(data)) {
        m_ui.ReportMessage(7022, std::string());
        return {AlignmentStatus::NothingToWrite, 7022};
    }
    AlignmentResult failure;
    if (!OpenPort(failure))
        return failure;
    if (!AlignmentWakeUp(m_port, m_log))
        return ExchangeFailed();
    std::string reply;
    IdentityAlone alone(kIdentityPauseMs);
    if (!PortExchange(m_port, FRAME_IDENTITY, reply, 8, kAlignmentHandshake.identityMs, std::string(), m_log,
                      true, nullptr, &alone))
        return ExchangeFailed();
    if (!CheckIdentity(reply, failure) || !Acknowledge(failure) || !Access(true, failure) ||
        !WriteBlocks(ToUpperAscii(data), failure))
        return failure;
    m_port.Close();
    return {};
}
