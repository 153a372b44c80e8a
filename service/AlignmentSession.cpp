// The alignment-data conversation with the radio.
#include "service/AlignmentSession.h"

#include "app/AppState.h"
#include "app/Startup.h"
#include "codeplug/AddressMap.h"
#include "codeplug/HexText.h"
#include "app/LangText.h"
#include "link/LineDiscipline.h"
#include "link/LinkUi.h"
#include "link/NestedReadUi.h"
#include "link/Protocol.h"
#include "link/ReplyCheck.h"
#include "link/SerialPort.h"
#include "link/TransferSteps.h"
#include "link/WaitCursor.h"
#include "link/WrittenRanges.h"
#include "service/AlignmentBlockRead.h"
#include "service/AlignmentLayout.h"

namespace {

constexpr int kBlockLimitMs = 300;
constexpr int kBlockPauseMs = 5;
constexpr int kIdentityPauseMs = 20;
constexpr int kTextRefused = 9532;
constexpr int kTextNotVerified = 9604;
constexpr int kTextDiffers = 9607;
constexpr int kTextReadBacksDiffer = 9606;

int BlockAddress(int k) { return Addr::kAlignment + kAlignmentBlockBytes * k; }

} // namespace

AlignmentSession::AlignmentSession(SerialPort& port, LinkUi& ui) : m_port(port), m_ui(ui), m_log(&ui) {}

AlignmentResult AlignmentSession::Fail(AlignmentStatus status, int textNumber, const std::string& detail)
{
    m_port.Close();
    if (textNumber != 0)
        m_ui.ReportMessage(textNumber, detail);
    return {status, textNumber};
}

AlignmentResult AlignmentSession::ExchangeFailed()
{
    // After its third failed attempt PortExchange has shown 3009 and closed the port. A port that is
    // still open failed itself (PortExchange returns at once then, with no message and the port as it
    // was): the connection to the radio was lost, which is told here.
    if (m_port.IsOpen())
        return Fail(AlignmentStatus::PortFault, kConnectionLostText);
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
    RadioIdentity identity(reply);
    // A radio is refused as another model only on an identity it gave twice.
    if (!TagAccepted(identity.Hex()) &&
        !ConfirmIdentity(m_port, m_log, kAlignmentHandshake.identityMs, kIdentityPauseMs, identity)) {
        failure = ExchangeFailed();
        return false;
    }
    // The identity exchange only accepts 8 bytes; the length rule stays for a radio whose reply
    // could not be read as one.
    if (!identity.IsValid()) {
        failure = Fail(AlignmentStatus::ShortIdentity, 3006);
        return false;
    }
    m_identity = identity;
    if (!TagAccepted(identity.Hex())) {
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

bool AlignmentSession::ReadBlocks(std::string& block, AlignmentResult& failure)
{
    if (!ReadAlignmentBlocks(m_port, m_log, m_ui, block).Succeeded()) {
        failure = ExchangeFailed();
        return false;
    }
    return true;
}

bool AlignmentSession::WriteBlocks(const std::string& data, AlignmentResult& failure)
{
    m_ui.SetProgressRange(1, kAlignmentBlocks);
    BlockExchange how;
    how.replyBytes = 1;
    how.limitMs = kBlockLimitMs;
    how.logAlways = false;
    how.shape = ReplyShape::Exactly(FRAME_ACK);
    WrittenRanges acknowledged;
    for (int k = 0; k < kAlignmentBlocks; ++k) {
        m_ui.SetProgressPos(k + 1);
        const std::string bytes =
            data.substr(static_cast<std::size_t>(2 * kAlignmentBlockBytes * k), 2 * kAlignmentBlockBytes);
        const std::string frame = WriteRequestFrame(BlockAddress(k), kAlignmentBlockBytes, bytes);
        // Anything but 06 is asked for again: writing the same 8 bytes twice does no harm, so a stray
        // byte in front of the radio's 06 costs one more attempt and never a refused write.
        std::string reply;
        int attempts = 0;
        int rc = LINK_TIMEOUT;
        while (attempts < 3) {
            rc = ExchangeBlock(m_port, m_log, frame, reply, how, attempts);
            if (rc != LINK_OK || reply == FRAME_ACK)
                break;
            rc = LINK_REJECTED;
            if (attempts < 3)
                SettleAfterFailedAttempt(m_port, LINK_OK, reply, kBlockLimitMs);
        }
        if (rc != LINK_OK) {
            const std::string partly = acknowledged.PartlyWritten(std::string());
            failure = rc == LINK_PORT_FAULT ? Fail(AlignmentStatus::PortFault, kConnectionLostText, partly)
                                            : Fail(AlignmentStatus::RadioStopped, 3009, partly);
            return false;
        }
        acknowledged.Add(BlockAddress(k), kAlignmentBlockBytes);
        DelayMs(m_port, kBlockPauseMs);
    }
    // The last frame's acknowledge counts only when nothing follows it.
    SettleLine(m_port, kLineQuietMs, kBlockLimitMs);
    m_bDisturbed = m_port.Ledger().DisturbedSince(m_quiet);
    return true;
}

AlignmentResult AlignmentSession::VerifyWritten(const std::string& data)
{
    std::string blocks[2];
    for (std::string& block : blocks) {
        NestedReadUi ui(m_ui, m_log);
        AlignmentSession reader(m_port, ui);
        if (!reader.Read(block).Succeeded()) {
            m_log.Add(reader.m_log.Text());
            return Fail(AlignmentStatus::NotVerified, kTextNotVerified, ui.Message());
        }
        m_log.Add(reader.m_log.Text());
        if (block == data)
            return {}; // the caller tells the success, with Disturbed() saying it was read back
    }
    WrittenRanges holding;
    for (int k = 0; k < kAlignmentBlocks; ++k) {
        const auto at = static_cast<std::size_t>(2 * kAlignmentBlockBytes * k);
        if (blocks[1].compare(at, 2 * kAlignmentBlockBytes, data, at, 2 * kAlignmentBlockBytes) == 0)
            holding.Add(BlockAddress(k), kAlignmentBlockBytes);
    }
    const std::string detail = blocks[0] == blocks[1] ? holding.PartlyWritten(std::string()) : std::string();
    return Fail(AlignmentStatus::VerifyFailed, blocks[0] == blocks[1] ? kTextDiffers : kTextReadBacksDiffer,
                detail);
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
    m_bDisturbed = false;
    if (data.size() != static_cast<std::size_t>(kAlignmentChars) || !IsHexText(data)) {
        m_ui.ReportMessage(7022, std::string());
        return {AlignmentStatus::NothingToWrite, 7022};
    }
    AlignmentResult failure;
    if (!OpenPort(failure))
        return failure;
    // Every frame of the conversation counts: a late answer to the opening can stand for a block's
    // acknowledge as well as a stray byte can.
    m_quiet = m_port.Ledger().Now();
    if (!AlignmentWakeUp(m_port, m_log))
        return ExchangeFailed();
    std::string reply;
    IdentityAlone alone(kIdentityPauseMs);
    const ReplyShape shape = IdentityShape();
    if (!PortExchange(m_port, FRAME_IDENTITY, reply, 8, kAlignmentHandshake.identityMs, std::string(), m_log,
                      true, {.check = &alone, .shape = &shape}))
        return ExchangeFailed();
    const std::string upper = ToUpperAscii(data);
    if (!CheckIdentity(reply, failure) || !Acknowledge(failure) || !Access(true, failure) ||
        !WriteBlocks(upper, failure))
        return failure;
    m_port.Close();
    if (m_bDisturbed)
        return VerifyWritten(upper);
    return {};
}
