// Reading the code plug: handshake, 16 block reads of 64 bytes, and the new image into the document.
#include "link/ReadSession.h"

#include "codeplug/ModelCatalogue.h"
#include "link/BlockReads.h"
#include "link/LinkUi.h"
#include "link/SerialPort.h"
#include "link/TransferSteps.h"
#include "link/WaitCursor.h"

namespace {
constexpr int kReadsDisagreeText = 9500;
}

ReadSession::ReadSession(SerialPort& port, LinkUi& ui, CodePlugDocument& doc)
    : m_port(port), m_ui(ui), m_doc(doc), m_log(&ui)
{
}

std::optional<TransferResult> ReadSession::ReadImage(std::string& image, RadioIdentity& identity,
                                                     int progressFirst, int progressLast)
{
    if (auto failed = OpenConversation(m_port, m_ui, m_log, kReadHandshake, identity))
        return failed;
    if (auto failed = AcknowledgeConversation(m_port, m_ui, m_log, kReadHandshake))
        return failed;

    m_ui.SetProgressRange(1, progressLast);
    m_ui.SetButtonEnabled(false);
    BlockReadPlan plan;
    plan.address = 0;
    plan.blockBytes = kBlockBytes;
    plan.blocks = kBlocks;
    plan.progressFirst = progressFirst;
    std::string data;
    data.reserve(CodePlug::kChars);
    const BlockReadEnd end = ReadBlocks(m_port, m_log, m_ui, plan, data);
    if (end.atAcknowledge) {
        if (end.rc == LINK_PORT_FAULT) {
            m_port.Close();
            return ReportTransferEnd(m_ui, TransferStatus::PortFault, kConnectionLostText);
        }
        return TransferResult{TransferStatus::BlockAckFailed, 3009};
    }
    if (!end.Succeeded())
        return ReportBlockFailure(m_port, m_ui, end.rc);
    m_port.Close();
    image = data;
    return std::nullopt;
}

TransferResult ReadSession::Run()
{
    WaitCursor cursor(m_ui);
    const int reads = m_bReadTwice ? 2 : 1;

    std::string image;
    m_identity = RadioIdentity();
    RadioIdentity& identity = m_identity; // kept for the radio history
    if (auto failed = ReadImage(image, identity, 1, reads * kBlocks))
        return *failed;
    if (m_bReadTwice) {
        std::string again;
        RadioIdentity second;
        if (auto failed = ReadImage(again, second, kBlocks + 1, reads * kBlocks))
            return *failed;
        if (again != image) {
            m_ui.SetButtonEnabled(true);
            return ReportTransferEnd(m_ui, TransferStatus::ReadsDisagree, kReadsDisagreeText);
        }
    }

    // Any identity is accepted. The firmware version of an "R736" radio is kept for the model
    // information once the whole read has succeeded.
    const int radioType = 3;
    m_doc.AcceptFromRadio(image, radioType);
    g_nRadioType = radioType;
    if (identity.ModelTag() == kFamilyModelTag)
        g_modelInfo.mcuVersion = identity.VersionText();
    m_ui.SetButtonEnabled(true);
    return ReportTransferEnd(m_ui, TransferStatus::Success, 3007);
}
