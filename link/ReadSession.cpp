// Reading the code plug: handshake, 16 block reads of 64 bytes, and the new image into the document.
#include "link/ReadSession.h"

#include "codeplug/ModelCatalogue.h"
#include "link/LinkUi.h"
#include "link/Protocol.h"
#include "link/SerialPort.h"
#include "link/WaitCursor.h"

ReadSession::ReadSession(SerialPort& port, LinkUi& ui, CodePlugDocument& doc)
    : m_port(port), m_ui(ui), m_doc(doc), m_log(&ui)
{
}

TransferResult ReadSession::Finish(TransferStatus status, int textNumber)
{
    if (textNumber != 0)
        m_ui.ReportMessage(textNumber, std::string());
    return {status, textNumber};
}

TransferResult ReadSession::Run()
{
    WaitCursor cursor(m_ui);

    std::string error;
    if (!OpenRadioPort(m_port, error)) {
        m_ui.ReportMessage(3012, error);
        return {TransferStatus::PortOpenFailed, 3012};
    }

    // A port fault inside an exchange shows no message of its own; the read reports it as a
    // failed exchange (3006) and closes the port, as a failed block does.
    int last = LINK_OK;
    RadioIdentity identity;
    const HandshakeStep step =
        HandshakeIdentify(m_port, m_log, kReadHandshake, FRAME_PROGRAM, identity, &last);
    if (step == HandshakeStep::ModeFailed) {
        m_port.Close();
        return Finish(last == LINK_PORT_FAULT ? TransferStatus::PortFault : TransferStatus::NoRadio, 3006);
    }
    if (step != HandshakeStep::Done) {
        if (last == LINK_PORT_FAULT) {
            m_port.Close();
            return Finish(TransferStatus::PortFault, 3006);
        }
        return {TransferStatus::RadioStopped, 3009}; // shown and closed by PortExchange
    }

    // Any identity is accepted. The firmware version of an "R736" radio is kept for the model
    // information once the whole read has succeeded.
    const bool taggedRadio = identity.ModelTag() == "R736";
    const std::string version = identity.VersionText();
    const int radioType = 3;

    if (HandshakeAcknowledge(m_port, m_log, kReadHandshake, &last) != HandshakeStep::Done) {
        if (last == LINK_PORT_FAULT) {
            m_port.Close();
            return Finish(TransferStatus::PortFault, 3006);
        }
        return {TransferStatus::RadioStopped, 3009};
    }

    m_ui.SetProgressRange(1, kBlocks);
    m_ui.SetButtonEnabled(false);
    std::string image;
    image.reserve(CodePlug::kChars);
    for (int n = 1; n <= kBlocks; ++n) {
        const int address = (n - 1) * kBlockBytes;
        m_ui.SetProgressPos(n);
        const std::string frame = ReadRequestFrame(address, kBlockBytes);
        std::string reply;
        int rc = LINK_OK;
        for (int attempt = 1; attempt <= 3; ++attempt) {
            m_log.Add("S:" + frame + "\r\n");
            rc = PortTransceive(m_port, frame, reply, 4 + kBlockBytes, 200);
            m_log.Add("R:" + reply + "\r\n");
            m_log.Show();
            if (rc != LINK_TIMEOUT)
                break;
        }
        if (rc == LINK_TIMEOUT) {
            m_port.Close();
            m_ui.SetButtonEnabled(true);
            return Finish(TransferStatus::BlockTimeout, 3009);
        }
        if (rc != LINK_OK) {
            m_port.Close();
            return Finish(TransferStatus::BlockFault, 3006);
        }
        const std::string data = reply.substr(8);

        std::string ack;
        if (!PortExchange(m_port, FRAME_ACK, ack, 1, 300, FRAME_ACK, m_log, true, &last)) {
            if (last == LINK_PORT_FAULT) {
                m_port.Close();
                return Finish(TransferStatus::PortFault, 3006);
            }
            return {TransferStatus::BlockAckFailed, 3009};
        }
        image += data;
    }

    m_port.Close();
    m_doc.AcceptFromRadio(image, radioType);
    g_nRadioType = radioType;
    if (taggedRadio)
        g_modelInfo.mcuVersion = version;
    m_ui.SetButtonEnabled(true);
    return Finish(TransferStatus::Success, 3007);
}
