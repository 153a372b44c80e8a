// Writing the image into a radio, with the model and band checks, and the dry run.
#include "link/WriteSession.h"

#include "app/AppState.h"
#include "app/Settings.h"
#include "codeplug/AddressMap.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "link/LinkUi.h"
#include "link/Protocol.h"
#include "link/ReplyCheck.h"
#include "link/SerialPort.h"
#include "link/TransferSteps.h"
#include "link/WaitCursor.h"

namespace {

// The build models whose radios must identify as model number "Q951" before a write.
bool ChecksModelNumber(const std::string& model)
{
    return model == "vpxds" || model == "vpxb" || model == "vpxc" || model == "vpxa";
}

bool SkippedBlock(int address) { return address == 0x0180 || address == 0x0190 || address == 0x01A0; }

} // namespace

WriteSession::WriteSession(SerialPort& port, LinkUi& ui, CodePlug& image)
    : m_port(port), m_ui(ui), m_image(image), m_log(&ui)
{
}

void WriteSession::NormaliseImage(CodePlug& image)
{
    const int flags = image.ReadByte(Addr::kRadioConfigFlags);
    if (flags >= 0 && (flags & 0x30) == 0x30)
        image.WriteByte(Addr::kRadioConfigFlags, flags & ~0x20);
}

std::string WriteSession::BlockFrame(const CodePlug& image, int n)
{
    const int address = (n - 1) * kBlockBytes;
    if (SkippedBlock(address))
        return std::string();
    return WriteRequestFrame(address, kBlockBytes, image.Read(address, kBlockBytes));
}

TransferResult WriteSession::Run()
{
    WaitCursor cursor(m_ui);
    const bool crossBandAllowed = MarkerPresent(kMarkerCrossBandWrite);

    NormaliseImage(m_image);
    const CodePlug data = m_image;
    const std::string bandCode = BandCodeOf(data.Text());

    RadioIdentity identity;
    if (auto failed = OpenConversation(m_port, m_ui, m_log, kWriteHandshake, identity))
        return *failed;

    if (ChecksModelNumber(g_strModel) && identity.ModelNumber() != "Q951")
        return ReportTransferEnd(m_ui, TransferStatus::ModelRejected, 3023); // the port stays open

    if (m_bBandCheck && identity.BandCode() != bandCode) {
        if (!crossBandAllowed) {
            m_port.Close();
            return ReportTransferEnd(m_ui, TransferStatus::BandMismatch, 3022);
        }
        if (!m_ui.AskYesNo(3019)) {
            m_port.Close();
            return {TransferStatus::BandDeclined, 0};
        }
        // The user's consent holds for exactly one run: the whole write again, without this check.
        m_bBandCheck = false;
        const TransferResult nested = Run();
        m_bBandCheck = true;
        return nested;
    }

    if (auto failed = AcknowledgeConversation(m_port, m_ui, m_log, kWriteHandshake))
        return *failed;

    m_ui.SetProgressRange(1, kBlocks);
    m_ui.SetButtonEnabled(false);
    BlockWriteAck ackCheck;
    for (int n = 1; n <= kBlocks; ++n) {
        m_ui.SetProgressPos(n);
        const std::string frame = BlockFrame(data, n);
        if (frame.empty())
            continue;
        std::string reply;
        const int rc = ExchangeBlock(m_port, m_log, frame, reply, 1, 5, &ackCheck);
        if (rc == LINK_OK && reply != FRAME_ACK) {
            m_port.Close();
            m_ui.SetButtonEnabled(true);
            return ReportTransferEnd(m_ui, TransferStatus::BlockRejected, 3013);
        }
        if (rc != LINK_OK)
            return ReportBlockFailure(m_port, m_ui, rc);
    }

    m_port.Close();
    m_ui.SetButtonEnabled(true);
    m_bBandCheck = true;
    return ReportTransferEnd(m_ui, TransferStatus::Success, 3014);
}

TransferResult WriteSession::DryRun()
{
    CodePlug copy = m_image;
    NormaliseImage(copy);
    m_ui.SetProgressRange(1, kDryRunBlocks);
    m_ui.SetButtonEnabled(false);
    for (int n = 1; n <= kDryRunBlocks; ++n) {
        const int address = (n - 1) * kDryRunBytes;
        m_ui.SetProgressPos(n);
        m_log.Add("S:" + WriteRequestFrame(address, kDryRunBytes, copy.Read(address, kDryRunBytes)) + "\r\n");
        m_log.Add("R:06\r\n");
        m_log.Show();
    }
    m_ui.SetButtonEnabled(true);
    return {TransferStatus::Success, 0};
}
