// Steps shared by the code-plug read and write.
#include "link/TransferSteps.h"

#include "app/AppState.h"
#include "link/ExchangeLog.h"
#include "link/LinkUi.h"
#include "link/SerialPort.h"

namespace {

// A port fault inside an exchange shows no message of its own: the transfer reports the lost
// connection and closes the port, as a failed block does. Otherwise PortExchange has already
// shown 3009 and closed the port after its third attempt.
TransferResult ReportStepFailure(SerialPort& port, LinkUi& ui, int lastResult)
{
    if (lastResult == LINK_PORT_FAULT) {
        port.Close();
        return ReportTransferEnd(ui, TransferStatus::PortFault, kConnectionLostText);
    }
    return {TransferStatus::RadioStopped, 3009};
}

} // namespace

TransferResult ReportTransferEnd(LinkUi& ui, TransferStatus status, int textNumber, const std::string& detail)
{
    if (textNumber != 0 && status == TransferStatus::Success)
        ui.ReportSuccess(textNumber, detail);
    else if (textNumber != 0)
        ui.ReportMessage(textNumber, detail);
    return {status, textNumber};
}

std::optional<TransferResult> OpenConversation(SerialPort& port, LinkUi& ui, ExchangeLog& log,
                                               const HandshakeLimits& limits, RadioIdentity& identity)
{
    std::string error;
    if (!OpenRadioPort(port, error)) {
        ui.ReportMessage(3012, error);
        return TransferResult{TransferStatus::PortOpenFailed, 3012};
    }
    int last = LINK_OK;
    const HandshakeStep step = HandshakeIdentify(port, log, limits, FRAME_PROGRAM, identity, &last);
    if (step == HandshakeStep::ModeFailed) {
        port.Close();
        return ReportTransferEnd(
            ui, last == LINK_PORT_FAULT ? TransferStatus::PortFault : TransferStatus::NoRadio,
            last == LINK_PORT_FAULT ? kConnectionLostText : 3006);
    }
    if (step != HandshakeStep::Done)
        return ReportStepFailure(port, ui, last);
    return std::nullopt;
}

std::optional<TransferResult> ConfirmIdentityForRefusal(SerialPort& port, LinkUi& ui, ExchangeLog& log,
                                                        const HandshakeLimits& limits, RadioIdentity& identity)
{
    int last = LINK_OK;
    if (!ConfirmIdentity(port, log, limits.identityMs, limits.sleepAfterIdentity ? 20 : 0, identity, &last))
        return ReportStepFailure(port, ui, last);
    return std::nullopt;
}

std::optional<TransferResult> AcknowledgeConversation(SerialPort& port, LinkUi& ui, ExchangeLog& log,
                                                      const HandshakeLimits& limits)
{
    int last = LINK_OK;
    if (HandshakeAcknowledge(port, log, limits, &last) != HandshakeStep::Done)
        return ReportStepFailure(port, ui, last);
    return std::nullopt;
}

int ExchangeBlock(SerialPort& port, ExchangeLog& log, const std::string& frame, std::string& reply,
                  const BlockExchange& how, int& attempts)
{
    int rc = LINK_TIMEOUT;
    while (attempts < 3) {
        if (++attempts > 1)
            port.Ledger().CountRepeat();
        if (!how.logAlways)
            log.EmptyIfFull();
        const bool logged = how.logAlways || g_bServiceView;
        if (logged)
            log.Add("S:" + frame + "\r\n");
        rc = PortTransceive(port, frame, reply, how.replyBytes, how.limitMs, how.shape);
        if (how.pauseMs > 0)
            DelayMs(port, how.pauseMs);
        if (logged) {
            log.Add("R:" + reply + "\r\n");
            log.Show();
        }
        if (rc != LINK_TIMEOUT && rc != LINK_REJECTED)
            break;
        if (attempts < 3)
            SettleAfterFailedAttempt(port, rc, reply, how.limitMs);
    }
    return rc;
}

TransferResult ReportBlockFailure(SerialPort& port, LinkUi& ui, int rc, const std::string& detail)
{
    port.Close();
    if (rc == LINK_TIMEOUT || rc == LINK_REJECTED) {
        ui.SetButtonEnabled(true);
        return ReportTransferEnd(ui, TransferStatus::BlockTimeout, 3009, detail);
    }
    return ReportTransferEnd(ui, TransferStatus::BlockFault, kConnectionLostText, detail);
}
