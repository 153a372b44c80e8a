// Writing the image into a radio, with the model and band checks, the backup before and the
// verification after, and the dry run.
#include "link/WriteSession.h"

#include <ctime>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "codeplug/AddressMap.h"
#include "codeplug/BackupFolder.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/CodePlugDiff.h"
#include "codeplug/DiffText.h"
#include "link/LinkUi.h"
#include "link/NestedReadUi.h"
#include "link/PreWriteCheck.h"
#include "link/Protocol.h"
#include "link/LineDiscipline.h"
#include "link/ReadSession.h"
#include "link/SerialPort.h"
#include "link/TransferSteps.h"
#include "link/WaitCursor.h"
#include "link/WrittenRanges.h"

namespace {

// The build models whose radios must identify as model number "Q951" before a write.
bool ChecksModelNumber(const std::string& model)
{
    return model == "vpxds" || model == "vpxb" || model == "vpxc" || model == "vpxa";
}

// The radio's alignment block (its calibration, 0x02A0-0x02DF): only the service functions write it.
bool InAlignmentBlock(int address) { return address >= Addr::kAlignment && address < Addr::kAlignmentEnd; }

bool SkippedBlock(int address)
{
    return address == 0x0180 || address == 0x0190 || address == 0x01A0 || InAlignmentBlock(address);
}

constexpr int kWriteDoneText = 3014;
constexpr int kTextVerifyFailed = 9550;     // the radio does not hold what was written
constexpr int kTextVerifyReadFailed = 9551; // written, but not read back
constexpr int kTextBackupReadFailed = 9552; // nothing written
constexpr int kTextRestoreFrom = 9554;      // "... saved in %1 ..."
constexpr int kTextBackupSaved = 9557;      // "... was backed up to %1."
constexpr int kTextVerified = 9558;
constexpr int kTextDisturbedVerified = 9603;   // disturbed, read back: the radio holds every byte
constexpr int kTextDisturbedUnverified = 9604; // disturbed, and the radio could not be read back
constexpr int kTextDisturbedDiffers = 9605;    // disturbed, and the radio does not hold it all
constexpr int kTextReadBacksDisagree = 9606;   // two read-backs of the radio differ
// Differences named in the message of a failed verification; the rest are counted.
constexpr std::size_t kDifferencesShown = 6;

std::string Paragraphs(const std::string& a, const std::string& b)
{
    return a.empty() ? b : b.empty() ? a : a + "\n\n" + b;
}

} // namespace

WriteOptions WriteOptionsFromSettings()
{
    WriteOptions o;
    o.backup = ReadYesSetting("option", "backup_before_write");
    o.verify = ReadYesSetting("option", "verify_after_write");
    return o;
}

WriteSession::WriteSession(SerialPort& port, LinkUi& ui, CodePlug& image)
    : m_port(port), m_ui(ui), m_image(image), m_log(&ui)
{
}

bool WriteSession::RefusesModel(const RadioIdentity& identity)
{
    return ChecksModelNumber(g_strModel) && identity.ModelNumber() != kFamilyModelNumber;
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

std::string WriteSession::DryRunFrame(const CodePlug& image, int n)
{
    const int address = (n - 1) * kDryRunBytes;
    if (InAlignmentBlock(address))
        return std::string();
    return WriteRequestFrame(address, kDryRunBytes, image.Read(address, kDryRunBytes));
}

CodePlug WriteSession::AsWrittenInRadio(const CodePlug& written, const CodePlug& radio)
{
    CodePlug seen = written;
    for (int n = 1; n <= kBlocks; ++n) {
        const int address = (n - 1) * kBlockBytes;
        if (!BlockFrame(written, n).empty())
            seen.Write(address, radio.Read(address, kBlockBytes));
    }
    return seen;
}

TransferResult WriteSession::Run()
{
    WaitCursor cursor(m_ui);
    m_backupPath.clear();
    m_bDisturbed = false;
    m_identity = RadioIdentity();
    m_backupImage.clear();
    m_readBackImage.clear();
    const int reads = (m_options.backup ? 1 : 0) + (m_options.verify ? 1 : 0);
    int total = kBlocks + reads * ReadSession::kBlocks;
    int first = 1;
    if (m_options.backup) {
        if (auto failed = BackUpRadio(total))
            return *failed;
        first += ReadSession::kBlocks;
    }
    const TransferResult written = WriteConversation(first, total);
    if (!written.Succeeded())
        return written;

    // A write on a disturbed line (a frame sent again, a byte that was nobody's answer) may have had an
    // acknowledge credited to the wrong frame: the radio is read back before the write is called done.
    std::string detail;
    if (m_options.verify || m_bDisturbed) {
        if (!m_options.verify)
            total += ReadSession::kBlocks;
        if (auto failed = VerifyRadio(m_image, first + kBlocks, total))
            return *failed;
        m_ui.SetButtonEnabled(true);
        detail = GetLangText(m_bDisturbed ? kTextDisturbedVerified : kTextVerified);
    }
    if (!m_backupPath.empty())
        detail = Paragraphs(detail, GetLangTextWith(kTextBackupSaved, {m_backupPath}));
    m_ui.ReportSuccess(kWriteDoneText, detail);
    return {TransferStatus::Success, kWriteDoneText};
}

TransferResult WriteSession::WriteConversation(int first, int total)
{
    const bool crossBandAllowed = MarkerPresent(kMarkerCrossBandWrite);

    NormaliseImage(m_image);
    const CodePlug data = m_image;
    const std::string bandCode = BandCodeOf(data.Text());

    // Every frame of the conversation counts: an answer to the opening that comes late can stand for
    // a block's acknowledge as well as a stray byte can.
    const LineLedger::Mark quiet = m_port.Ledger().Now();
    RadioIdentity identity;
    if (auto failed = OpenConversation(m_port, m_ui, m_log, kWriteHandshake, identity))
        return *failed;
    const auto refused = [&] {
        return RefusesModel(identity) || (m_bBandCheck && identity.BandCode() != bandCode);
    };
    if (refused()) {
        if (auto failed = ConfirmIdentityForRefusal(m_port, m_ui, m_log, kWriteHandshake, identity))
            return *failed;
    }
    m_identity = identity;

    if (RefusesModel(identity))
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
        const TransferResult nested = WriteConversation(first, total);
        m_bBandCheck = true;
        return nested;
    }

    if (auto declined = ConfirmProblems(data, identity.BandCode()))
        return *declined;
    if (auto failed = AcknowledgeConversation(m_port, m_ui, m_log, kWriteHandshake))
        return *failed;
    if (auto failed = SaveBackupFile())
        return *failed;

    m_ui.SetProgressRange(1, total);
    m_ui.SetButtonEnabled(false);
    BlockExchange how;
    how.replyBytes = 1;
    how.pauseMs = 5;
    how.shape = ReplyShape::Exactly(FRAME_ACK);
    WrittenRanges acknowledged;
    for (int n = 1; n <= kBlocks; ++n) {
        m_ui.SetProgressPos(first + n - 1);
        const int address = (n - 1) * kBlockBytes;
        const std::string frame = BlockFrame(data, n);
        if (frame.empty()) {
            acknowledged.Add(address, kBlockBytes);
            continue;
        }
        std::string reply;
        int attempts = 0;
        const int rc = ExchangeBlock(m_port, m_log, frame, reply, how, attempts);
        // From the first frame on, a failure leaves the radio partly written: the message says how far.
        const std::string partly = acknowledged.PartlyWritten(RestoreHint());
        if (rc == LINK_OK && reply != FRAME_ACK) {
            m_port.Close();
            m_ui.SetButtonEnabled(true);
            return ReportTransferEnd(m_ui, TransferStatus::BlockRejected, 3013, partly);
        }
        if (rc != LINK_OK)
            return ReportBlockFailure(m_port, m_ui, rc, partly);
        acknowledged.Add(address, kBlockBytes);
    }
    // The last frame's acknowledge counts only when nothing follows it: a byte that came after it
    // shows that some 06 came late, and the one taken for the last frame may have answered another.
    SettleLine(m_port, kLineQuietMs, how.limitMs);
    m_bDisturbed = m_port.Ledger().DisturbedSince(quiet);

    m_port.Close();
    m_ui.SetButtonEnabled(true);
    m_bBandCheck = true;
    return {TransferStatus::Success, 0};
}

bool WriteSession::ReadRadio(std::string& image, int first, int total, std::string& message)
{
    NestedReadUi ui(m_ui, m_log);
    ReadSession reader(m_port, ui);
    const bool read = !reader.ReadImage(image, m_identity, first, total);
    m_log.Add(reader.Log().Text()); // the window's log goes on after the read's lines
    message = ui.Message();
    return read;
}

std::optional<TransferResult> WriteSession::BackUpRadio(int total)
{
    std::string image;
    std::string readMessage;
    if (!ReadRadio(image, 1, total, readMessage)) {
        m_ui.ReportMessage(kTextBackupReadFailed, readMessage);
        return TransferResult{TransferStatus::BackupFailed, kTextBackupReadFailed};
    }
    m_backupImage = image;
    return std::nullopt;
}

std::optional<TransferResult> WriteSession::SaveBackupFile()
{
    if (m_backupImage.empty() || !m_backupPath.empty())
        return std::nullopt;
    std::string path;
    const int saved = SaveBackup(CodePlug(m_backupImage), std::time(nullptr), path);
    if (saved != 0) {
        m_port.Close();
        m_ui.SetButtonEnabled(true);
        m_ui.ReportMessage(saved, path);
        return TransferResult{TransferStatus::BackupFailed, saved};
    }
    m_backupPath = path;
    return std::nullopt;
}

std::optional<TransferResult> WriteSession::ConfirmProblems(const CodePlug& data,
                                                            const std::string& radioBand)
{
    const PreWriteCheck check = CheckBeforeWrite(data, radioBand);
    if (check.Clean() || m_ui.AskWriteAnyway(check))
        return std::nullopt;
    m_port.Close();
    return TransferResult{TransferStatus::CheckDeclined, 0};
}

std::optional<TransferResult> WriteSession::VerifyRadio(const CodePlug& written, int first, int total)
{
    // A difference is told only when two read-backs agree on it: a byte changed on the line while the
    // radio was read back would otherwise be blamed on the radio.
    std::string images[2];
    for (std::string& image : images) {
        std::string readMessage;
        if (!ReadRadio(image, first, total, readMessage)) {
            const int text = m_bDisturbed ? kTextDisturbedUnverified : kTextVerifyReadFailed;
            m_ui.ReportMessage(text, Paragraphs(readMessage, RestoreHint()));
            return TransferResult{TransferStatus::VerifyReadFailed, text};
        }
        m_readBackImage = image;
        if (AsWrittenInRadio(written, CodePlug(image)) == written)
            return std::nullopt;
    }
    m_ui.SetButtonEnabled(true);
    if (images[0] != images[1]) {
        m_ui.ReportMessage(kTextReadBacksDisagree, RestoreHint());
        return TransferResult{TransferStatus::ReadBacksDisagree, kTextReadBacksDisagree};
    }
    const CodePlug inRadio = AsWrittenInRadio(written, CodePlug(images[1]));
    WrittenRanges holding;
    for (int n = 1; n <= kBlocks; ++n) {
        const int address = (n - 1) * kBlockBytes;
        if (inRadio.Read(address, kBlockBytes) == written.Read(address, kBlockBytes))
            holding.Add(address, kBlockBytes);
    }
    const int text = m_bDisturbed ? kTextDisturbedDiffers : kTextVerifyFailed;
    const CodePlugDiff diff = DiffCodePlugs(written, inRadio);
    m_ui.ReportMessage(text, Paragraphs(DiffSummary(diff, kDifferencesShown), holding.PartlyWritten(RestoreHint())));
    return TransferResult{TransferStatus::VerifyFailed, text};
}

std::string WriteSession::RestoreHint() const
{
    return m_backupPath.empty() ? std::string() : GetLangTextWith(kTextRestoreFrom, {m_backupPath});
}

TransferResult WriteSession::DryRun()
{
    CodePlug copy = m_image;
    NormaliseImage(copy);
    m_ui.SetProgressRange(1, kDryRunBlocks);
    m_ui.SetButtonEnabled(false);
    for (int n = 1; n <= kDryRunBlocks; ++n) {
        m_ui.SetProgressPos(n);
        const std::string frame = DryRunFrame(copy, n);
        if (frame.empty())
            continue;
        m_log.Add("S:" + frame + "\r\n");
        m_log.Add("R:06\r\n");
        m_log.Show();
    }
    m_ui.SetButtonEnabled(true);
    return {TransferStatus::Success, 0};
}
