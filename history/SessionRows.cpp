// Rows of the history from the outcome of each radio session.
#include "history/SessionRows.h"

#include "app/LangText.h"
#include "codeplug/HexText.h"
#include "history/HistoryTexts.h"
#include "link/RadioPort.h"
#include "link/WriteSession.h"

namespace {

constexpr int kTextWriteDone = 3014;
constexpr int kTextBackupSaved = 9557;    // "... was backed up to %1."
constexpr int kTextVerified = 9558;       // "Read back and verified: ..."
constexpr int kTextAlignmentRead = 9530;
constexpr int kTextAlignmentWritten = 9531;
constexpr int kTextCheckDeclined = 9649;  // "Not written: writing a code plug with problems was declined."
constexpr int kTextBackupNotKept = 9650;  // read for the backup, but the write did not go ahead
constexpr int kModelBytes = 5;            // identity bytes 0-4: "TQ951", "R736"

} // namespace

HistoryResult HistoryResultOf(TransferStatus status)
{
    switch (status) {
    case TransferStatus::Success:
        return HistoryResult::Ok;
    case TransferStatus::ModelRejected:
    case TransferStatus::BandMismatch:
    case TransferStatus::BandDeclined:
    case TransferStatus::CheckDeclined:
        return HistoryResult::Refused;
    default:
        return HistoryResult::Failed;
    }
}

namespace {

HistoryRecord Row(HistoryOp op, HistoryResult result, const RadioIdentity& identity, std::string message)
{
    HistoryRecord row;
    row.operation = op;
    row.result = result;
    row.message = std::move(message);
    TakeIdentity(row, identity);
    return row;
}

} // namespace

std::string HistoryPortLabel(const std::string& name, const SerialPort& port)
{
    const auto* radioPort = dynamic_cast<const RadioPort*>(&port);
    if (radioPort == nullptr || radioPort->Device().empty() || radioPort->Device() == name)
        return name;
    return name + " (" + radioPort->Device() + ")";
}

void TakeIdentity(HistoryRecord& row, const RadioIdentity& identity)
{
    if (!identity.IsValid())
        return;
    row.model = HexToText(identity.Hex().substr(0, 2 * kModelBytes));
    row.band = identity.BandCode();
    row.firmware = identity.VersionText();
}

std::vector<HistoryRecord> ReadRows(const TransferResult& result, const RadioIdentity& identity,
                                    const std::string& image, const std::string& message)
{
    HistoryRecord row = Row(HistoryOp::Read, HistoryResultOf(result.status), identity, message);
    if (result.Succeeded()) {
        row.data = image;
        row.TakeRadioFields(image);
    }
    return {row};
}

std::vector<HistoryRecord> WriteRows(const WriteSession& session, const WriteOptions& options,
                                     const TransferResult& result, const std::string& written,
                                     const std::string& message)
{
    const RadioIdentity& identity = session.Identity();
    const TransferStatus status = result.status;
    std::vector<HistoryRecord> rows;
    if (options.backup) {
        const bool failed = status == TransferStatus::BackupFailed;
        // A write refused before its first block keeps no backup file: the radio was only read.
        const std::string kept = session.BackupPath().empty()
                                     ? GetLangText(kTextBackupNotKept)
                                     : GetLangTextWith(kTextBackupSaved, {session.BackupPath()});
        HistoryRecord backup = Row(HistoryOp::Backup, failed ? HistoryResult::Failed : HistoryResult::Ok,
                                   identity, failed ? message : kept);
        if (failed && !session.BackupImage().empty()) { // read, but its file could not be saved
            backup.message += '\n';
            backup.message += GetLangText(histtext::kBackupKept);
        }
        backup.data = session.BackupImage();
        backup.file = session.BackupPath();
        backup.TakeRadioFields(backup.data);
        rows.push_back(backup);
        if (failed)
            return rows; // nothing was written
    }
    const bool verifyFailed =
        status == TransferStatus::VerifyFailed || status == TransferStatus::VerifyReadFailed;
    const bool writeOk = result.Succeeded() || verifyFailed;
    std::string writeMessage = message;
    if (writeOk && options.verify)
        writeMessage = GetLangText(kTextWriteDone);
    else if (status == TransferStatus::BandDeclined)
        writeMessage = GetLangText(histtext::kBandDeclined);
    else if (status == TransferStatus::CheckDeclined)
        writeMessage = GetLangText(kTextCheckDeclined);
    HistoryRecord write =
        Row(HistoryOp::Write, writeOk ? HistoryResult::Ok : HistoryResultOf(status), identity, writeMessage);
    write.data = written;
    // The write never sends the serial number and hardware version: any read of this radio tells them.
    write.TakeRadioFields(session.BackupImage().empty() ? session.ReadBackImage() : session.BackupImage());
    rows.push_back(write);
    if (options.verify && writeOk) {
        // Each row says its own part: the message of a write that was verified holds all three.
        HistoryRecord verify = Row(HistoryOp::Verify, HistoryResultOf(status), identity,
                                   result.Succeeded() ? GetLangText(kTextVerified) : message);
        verify.data = session.ReadBackImage();
        verify.TakeRadioFields(verify.data);
        rows.push_back(verify);
    }
    return rows;
}

std::vector<HistoryRecord> AlignmentRows(HistoryOp op, const AlignmentResult& result,
                                         const RadioIdentity& identity, const std::string& block,
                                         const std::string& message)
{
    if (result.status == AlignmentStatus::NothingToWrite)
        return {};
    const HistoryResult outcome = result.Succeeded()                                 ? HistoryResult::Ok
                                  : result.status == AlignmentStatus::ModelRejected ||
                                          result.status == AlignmentStatus::WriteRefused
                                      ? HistoryResult::Refused
                                      : HistoryResult::Failed;
    // A read or write that went through shows no message (the window shows the tables): the row says
    // what the command line says then.
    const int done = op == HistoryOp::AlignRead ? kTextAlignmentRead : kTextAlignmentWritten;
    HistoryRecord row = Row(op, outcome, identity, message.empty() && result.Succeeded() ? GetLangText(done) : message);
    if (op == HistoryOp::AlignWrite || result.Succeeded())
        row.data = ToUpperAscii(block);
    return {row};
}
