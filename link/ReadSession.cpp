// Reading the code plug: handshake, 16 block reads of 64 bytes, and the new image into the document.
#include "link/ReadSession.h"

#include "codeplug/ModelCatalogue.h"
#include "link/LinkUi.h"
#include "link/Protocol.h"
#include "link/SerialPort.h"
#include "link/TransferSteps.h"
#include "link/WaitCursor.h"

ReadSession::ReadSession(SerialPort& port, LinkUi& ui, CodePlugDocument& doc)
    : m_port(port), m_ui(ui), m_doc(doc), m_log(&ui)
{
}

TransferResult ReadSession::Run()
{
    WaitCursor cursor(m_ui);

    RadioIdentity identity;
    if (auto failed = OpenConversation(m_port, m_ui, m_log, kReadHandshake, identity))
        return *failed;

    // Any identity is accepted. The firmware version of an "R736" radio is kept for the model
    // information once the whole read has succeeded.
    const bool taggedRadio = identity.ModelTag() == "R736";
    const std::string version = identity.VersionText();
    const int radioType = 3;

    if (auto failed = AcknowledgeConversation(m_port, m_ui, m_log, kReadHandshake))
        return *failed;

    m_ui.SetProgressRange(1, kBlocks);
    m_ui.SetButtonEnabled(false);
    std::string image;
    image.reserve(CodePlug::kChars);
    for (int n = 1; n <= kBlocks; ++n) {
        const int address = (n - 1) * kBlockBytes;
        m_ui.SetProgressPos(n);
        const std::string frame = ReadRequestFrame(address, kBlockBytes);
        std::string reply;
        const int rc = ExchangeBlock(m_port, m_log, frame, reply, 4 + kBlockBytes, 0);
        if (rc != LINK_OK)
            return ReportBlockFailure(m_port, m_ui, rc);
        const std::string data = reply.substr(8);

        std::string ack;
        int last = LINK_OK;
        if (!PortExchange(m_port, FRAME_ACK, ack, 1, 300, FRAME_ACK, m_log, true, &last)) {
            if (last == LINK_PORT_FAULT) {
                m_port.Close();
                return ReportTransferEnd(m_ui, TransferStatus::PortFault, 3006);
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
    return ReportTransferEnd(m_ui, TransferStatus::Success, 3007);
}
