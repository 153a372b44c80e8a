// Steps shared by the code-plug read and write.
#include "link/TransferSteps.h"

#include "link/ExchangeLog.h"
#include "link/LinkUi.h"
#include "link/ReplyCheck.h"
#include "link/SerialPort.h"

namespace {

// A port fault inside an exchange shows no message of its own: the transfer reports it as a failed
// exchange (3006) and closes the port, as a failed block does. Otherwise PortExchange has already
// shown 3009 and closed the port after its third attempt.
TransferResult ReportStepFailure(SerialPort& port, LinkUi& ui, int lastResult)
{
    if (lastResult == LINK_PORT_FAULT) {
        port.Close();
        return ReportTransferEnd(ui, TransferStatus::PortFault, 3006);
    }
    return {TransferStatus::RadioStopped, 3009};
}

} // namespace

TransferResult ReportTransferEnd(LinkUi& ui, TransferStatus status, int textNumber)
{
    if (textNumber != 0 && status == TransferStatus::Success)
        ui.ReportSuccess(textNumber, std::string());
    else if (textNumber != 0)
        ui.ReportMessage(textNumber, std::string());
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
            ui, last == LINK_PORT_FAULT ? TransferStatus::PortFault : TransferStatus::NoRadio, 3006);
    }
    if (step != HandshakeStep::Done)
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
                  int replyBytes, int pauseMs, ReplyCheck* check)
{
    constexpr int kLimitMs = 200;
    int rc = LINK_OK;
    for (int attempt = 1; attempt <= 3; ++attempt) {
        log.Add("S:" + frame + "\r\n");
        rc = PortTransceive(port, frame, reply, replyBytes, kLimitMs);
        if (pauseMs > 0)
            DelayMs(pauseMs);
        log.Add("R:" + reply + "\r\n");
        log.Show();
        if (rc == LINK_OK && check && !check->Accept(port, frame, reply))
            rc = LINK_REJECTED;
        if (rc != LINK_TIMEOUT && rc != LINK_REJECTED)
            break;
        if (attempt < 3)
            SettleAfterFailedAttempt(port, rc == LINK_REJECTED ? LINK_OK : rc, reply, kLimitMs);
    }
    return rc;
}

TransferResult ReportBlockFailure(SerialPort& port, LinkUi& ui, int rc)
{
    port.Close();
    if (rc == LINK_TIMEOUT || rc == LINK_REJECTED) {
        ui.SetButtonEnabled(true);
        return ReportTransferEnd(ui, TransferStatus::BlockTimeout, 3009);
    }
    return ReportTransferEnd(ui, TransferStatus::BlockFault, 3006);
}
