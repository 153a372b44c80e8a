// Each radio operation leaves its rows in the history, run against the simulated radio as the windows
// and the command line run them: a read, a write with its backup and verification, refusals and
// failures, alignment reads and writes; and a damaged history file never stops a write.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "app/LangText.h"
#include "codeplug/Document.h"
#include "history/HistoryLinkUi.h"
#include "history/HistoryRecorder.h"
#include "history/SessionRows.h"
#include "history/SqliteDb.h"
#include "link/ReadSession.h"
#include "link/WriteSession.h"
#include "service/AlignmentSession.h"
#include "tests/history/HistoryFixture.h"
#include "tests/service/AlignmentSample.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The window of an operation as the history sees it, and the history of a fresh data folder.
struct Recorded {
    Recorded() : recorded(ui) { recorded.Begin(history.Note()); }
    LinkAppDir dir;
    HistoryHome home;
    RecordingUi ui;
    HistoryLinkUi recorded;
    HistoryRecorder history{home.Path()};

    // The rows in the order they were recorded.
    std::vector<HistoryRecord> Rows() const
    {
        HistoryStore store;
        if (!store.Open(home.Path(), std::string()))
            return {};
        std::vector<HistoryRecord> rows = store.List();
        std::reverse(rows.begin(), rows.end());
        return rows;
    }
};

// The image a write sends: the band-33 default with squelch level 7 and no serial number of its own.
CodePlug ImageToWrite()
{
    CodePlug image(BuildBandImage("33"));
    image.WriteByte(Addr::kSquelch, 7);
    return image;
}

std::vector<HistoryOp> Operations(const std::vector<HistoryRecord>& rows)
{
    std::vector<HistoryOp> ops;
    for (const HistoryRecord& r : rows)
        ops.push_back(r.operation);
    return ops;
}

} // namespace

TEST(SessionRows, AReadIsRecordedWithTheRadiosCodePlugIdentityAndSerialNumber)
{
    Recorded t;
    ASSERT_EQ(t.history.Note(), "");
    SimBench b;
    b.radio.SetMemoryHex(PlugOfRadio("SN4711", "HW2.1"));
    b.radio.SetFirmware(0x02, 0x10);
    b.port.Close();
    CodePlugDocument doc;
    ReadSession session(b.port, t.recorded, doc);
    const TransferResult r = session.Run();
    ASSERT_TRUE(r.Succeeded());
    EXPECT_TRUE(t.history.Record(ReadRows(r, session.Identity(), doc.image.Text(), t.recorded.Message()),
                                 "simulator"));

    // The radio stops answering: the failed read is recorded too, without a code plug.
    b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, "", 1, 0));
    t.recorded.Begin(t.history.Note());
    const TransferResult failed = session.Run();
    ASSERT_FALSE(failed.Succeeded());
    EXPECT_TRUE(t.history.Record(ReadRows(failed, session.Identity(), doc.image.Text(), t.recorded.Message()),
                                 "com3 (/dev/ttyUSB1)"));

    const std::vector<HistoryRecord> rows = t.Rows();
    ASSERT_EQ(rows.size(), 2u);
    const HistoryRecord& ok = rows[0];
    EXPECT_EQ(ok.operation, HistoryOp::Read);
    EXPECT_EQ(ok.result, HistoryResult::Ok);
    EXPECT_EQ(ok.port, "simulator");
    EXPECT_EQ(ok.model, "TQ951");
    EXPECT_EQ(ok.band, "33");
    EXPECT_EQ(ok.firmware, "2.10");
    EXPECT_EQ(ok.serial, "SN4711");
    EXPECT_EQ(ok.hardware, "HW2.1");
    EXPECT_EQ(ok.data, PlugOfRadio("SN4711", "HW2.1"));
    EXPECT_EQ(ok.message, GetLangText(3007));
    EXPECT_LE(std::time(nullptr) - ok.time, 60);

    const HistoryRecord& no = rows[1];
    EXPECT_EQ(no.result, HistoryResult::Failed);
    EXPECT_EQ(no.port, "com3 (/dev/ttyUSB1)");
    EXPECT_EQ(no.message, GetLangText(3006));
    EXPECT_EQ(no.data, "");  // the document's code plug is not the radio's
    EXPECT_EQ(no.serial, "");
    EXPECT_EQ(no.model, ""); // the radio never said who it is
}

TEST(SessionRows, AGuardedWriteRecordsTheBackupTheWriteAndTheVerification)
{
    Recorded t;
    SimBench b;
    const std::string before = PlugOfRadio("SN9");
    b.radio.SetMemoryHex(before);
    b.port.Close();
    CodePlug image = ImageToWrite();
    WriteSession session(b.port, t.recorded, image);
    const WriteOptions options{true, true};
    session.SetOptions(options);
    const TransferResult r = session.Run();
    ASSERT_TRUE(r.Succeeded());
    ASSERT_TRUE(t.history.Record(WriteRows(session, options, r, image.Text(), t.recorded.Message()), "com1"));

    const std::vector<HistoryRecord> rows = t.Rows();
    ASSERT_EQ(Operations(rows), (std::vector<HistoryOp>{HistoryOp::Backup, HistoryOp::Write, HistoryOp::Verify}));
    for (const HistoryRecord& row : rows) {
        EXPECT_EQ(row.result, HistoryResult::Ok);
        EXPECT_EQ(row.serial, "SN9"); // the radio's, also for the write (the file has none)
        EXPECT_EQ(row.model, "TQ951");
        EXPECT_EQ(row.port, "com1");
    }
    EXPECT_EQ(rows[0].data, before);
    EXPECT_EQ(rows[0].file, session.BackupPath());
    EXPECT_TRUE(std::filesystem::exists(rows[0].file));
    EXPECT_TRUE(Contains(rows[0].message, session.BackupPath()));
    EXPECT_EQ(rows[1].data, image.Text());
    EXPECT_EQ(rows[1].message, GetLangText(3014));
    EXPECT_EQ(rows[2].data, b.radio.MemoryHex()); // what the radio held when read back
    EXPECT_EQ(rows[2].message, GetLangText(9558));
}

TEST(SessionRows, RefusedAndFailedWritesSayHowFarTheyGot)
{
    {
        SCOPED_TRACE("the radio keeps one block: written, verification failed");
        Recorded t;
        SimBench b;
        b.radio.SetMemoryHex(PlugOfRadio("SN10"));
        b.radio.SetIgnoreWrite(0x0130);
        b.port.Close();
        CodePlug image = ImageToWrite();
        WriteSession session(b.port, t.recorded, image);
        session.SetOptions({false, true});
        const TransferResult r = session.Run();
        ASSERT_EQ(r.status, TransferStatus::VerifyFailed);
        ASSERT_TRUE(t.history.Record(WriteRows(session, {false, true}, r, image.Text(), t.recorded.Message()), ""));
        const std::vector<HistoryRecord> rows = t.Rows();
        ASSERT_EQ(Operations(rows), (std::vector<HistoryOp>{HistoryOp::Write, HistoryOp::Verify}));
        EXPECT_EQ(rows[0].result, HistoryResult::Ok);
        EXPECT_EQ(rows[0].serial, "SN10");
        EXPECT_EQ(rows[1].result, HistoryResult::Failed);
        EXPECT_TRUE(Contains(rows[1].message, GetLangText(9550)));
        EXPECT_TRUE(Contains(rows[1].message, "\n")); // with the differences found
        EXPECT_NE(rows[1].data, image.Text());
    }
    {
        SCOPED_TRACE("a radio of another band, no cross-band writing: refused, nothing sent");
        Recorded t;
        SimBench b;
        b.radio.SetBandCode(0x34);
        b.port.Close();
        CodePlug image = ImageToWrite();
        WriteSession session(b.port, t.recorded, image);
        const TransferResult r = session.Run();
        ASSERT_EQ(r.status, TransferStatus::BandMismatch);
        ASSERT_TRUE(t.history.Record(WriteRows(session, {}, r, image.Text(), t.recorded.Message()), ""));
        const std::vector<HistoryRecord> rows = t.Rows();
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].operation, HistoryOp::Write);
        EXPECT_EQ(rows[0].result, HistoryResult::Refused);
        EXPECT_EQ(rows[0].band, "34");
        EXPECT_EQ(rows[0].message, GetLangText(3022));
        EXPECT_EQ(rows[0].data, image.Text()); // what was to be written
    }
    {
        SCOPED_TRACE("a code plug with problems, declined: the backup read keeps no file, the write refused");
        Recorded t;
        SimBench b;
        b.port.Close();
        CodePlug image = ImageToWrite();
        image.Write(Addr::ChannelAddress(1), std::string(32, 'F')); // no channel at all
        t.ui.writeAnyway = false;
        WriteSession session(b.port, t.recorded, image);
        session.SetOptions({true, false});
        const TransferResult r = session.Run();
        ASSERT_EQ(r.status, TransferStatus::CheckDeclined);
        const auto rowsToKeep = WriteRows(session, {true, false}, r, image.Text(), t.recorded.Message());
        ASSERT_TRUE(t.history.Record(rowsToKeep, ""));
        const std::vector<HistoryRecord> rows = t.Rows();
        ASSERT_EQ(Operations(rows), (std::vector<HistoryOp>{HistoryOp::Backup, HistoryOp::Write}));
        EXPECT_EQ(rows[0].message, GetLangText(9650));
        EXPECT_EQ(rows[0].file, "");
        EXPECT_EQ(rows[0].data, session.BackupImage()); // what the radio held, in the history only
        EXPECT_EQ(rows[1].result, HistoryResult::Refused);
        EXPECT_EQ(rows[1].message, GetLangText(9649));
    }
    {
        SCOPED_TRACE("the radio cannot be read for the backup: one failed backup row, no write");
        Recorded t;
        SimBench b;
        b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, "52", 3, 0));
        b.port.Close();
        CodePlug image = ImageToWrite();
        WriteSession session(b.port, t.recorded, image);
        session.SetOptions({true, true});
        const TransferResult r = session.Run();
        ASSERT_EQ(r.status, TransferStatus::BackupFailed);
        ASSERT_TRUE(t.history.Record(WriteRows(session, {true, true}, r, image.Text(), t.recorded.Message()), ""));
        const std::vector<HistoryRecord> rows = t.Rows();
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].operation, HistoryOp::Backup);
        EXPECT_EQ(rows[0].result, HistoryResult::Failed);
        EXPECT_TRUE(Contains(rows[0].message, GetLangText(9552)));
        EXPECT_EQ(rows[0].data, "");
    }
}

TEST(SessionRows, AlignmentReadsAndWritesAreRecordedWithTheirBlock)
{
    Recorded t;
    SimBench b;
    b.radio.SetModelText("R736");
    b.radio.SetMemoryHex(MemoryWithAlignment(SampleAlignmentBlock()));
    b.port.Close();
    AlignmentSession session(b.port, t.recorded);
    std::string block;
    AlignmentResult r = session.Read(block);
    ASSERT_TRUE(r.Succeeded());
    t.history.Record(AlignmentRows(HistoryOp::AlignRead, r, session.Identity(), block, t.recorded.Message()), "p");

    std::string changed = block;
    changed.replace(80, 2, "7F"); // the battery-voltage item
    t.recorded.Begin(t.history.Note());
    r = session.Write(changed);
    ASSERT_TRUE(r.Succeeded());
    t.history.Record(AlignmentRows(HistoryOp::AlignWrite, r, session.Identity(), changed, t.recorded.Message()), "p");

    // A radio of another model is refused before anything is read; with no block nothing is sent and
    // nothing recorded.
    b.radio.SetModelText("TQ951");
    t.recorded.Begin(t.history.Note());
    std::string none;
    r = session.Read(none);
    ASSERT_EQ(r.status, AlignmentStatus::ModelRejected);
    t.history.Record(AlignmentRows(HistoryOp::AlignRead, r, session.Identity(), none, t.recorded.Message()), "p");
    EXPECT_TRUE(AlignmentRows(HistoryOp::AlignWrite, {AlignmentStatus::NothingToWrite, 7022}, RadioIdentity(), "",
                              GetLangText(7022))
                    .empty());

    const std::vector<HistoryRecord> rows = t.Rows();
    ASSERT_EQ(Operations(rows),
              (std::vector<HistoryOp>{HistoryOp::AlignRead, HistoryOp::AlignWrite, HistoryOp::AlignRead}));
    EXPECT_EQ(rows[0].result, HistoryResult::Ok);
    EXPECT_EQ(rows[0].model, "R736");
    EXPECT_EQ(rows[0].data, SampleAlignmentBlock());
    EXPECT_EQ(rows[0].message, GetLangText(9530));
    EXPECT_TRUE(rows[0].HoldsAlignment());
    EXPECT_EQ(rows[1].data, changed);
    EXPECT_EQ(rows[1].message, GetLangText(9531));
    EXPECT_EQ(rows[2].result, HistoryResult::Refused);
    EXPECT_EQ(rows[2].model, "TQ951");
    EXPECT_EQ(rows[2].data, "");
    EXPECT_EQ(rows[2].message, GetLangText(3023));
}

TEST(SessionRows, ADamagedHistoryNeverStopsAWrite)
{
    LinkAppDir dir;
    HistoryHome home;
    const std::string damaged = std::string("SQLite format 3") + std::string(200, '\x7F');
    home.Put(damaged);
    HistoryRecorder history(home.Path());
    ASSERT_FALSE(history.Note().empty());
    EXPECT_TRUE(Contains(history.Note(), home.Path()));

    RecordingUi ui;
    HistoryLinkUi recorded(ui);
    recorded.Begin(history.Note());
    SimBench b;
    b.port.Close();
    CodePlug image = ImageToWrite();
    WriteSession session(b.port, recorded, image);
    const TransferResult r = session.Run();
    ASSERT_TRUE(r.Succeeded());
    EXPECT_EQ(b.radio.MemoryHex().substr(0, 2 * 0x0340), image.Text().substr(0, 2 * 0x0340));
    // The write's own message, with the note below it; the row keeps only the write's message.
    ASSERT_EQ(ui.messages, std::vector<int>{3014});
    EXPECT_EQ(ui.details.back(), history.Note());
    EXPECT_TRUE(recorded.NoteShown());
    EXPECT_EQ(recorded.Message(), GetLangText(3014));
    // Nothing could be kept, the user has been told, and the file stays as it was for a look later.
    EXPECT_EQ(history.Keep(WriteRows(session, {}, r, image.Text(), recorded.Message()), "com1", recorded), "");
    EXPECT_EQ(home.Bytes(), damaged);
}

TEST(SessionRows, AHistoryThatFailsAfterTheMessageIsToldSeparately)
{
    // The file was fine when the operation began and is spoilt when its rows are added: the message
    // went out without the note, so the note is what is still to be told.
    LinkAppDir dir;
    HistoryHome home;
    HistoryRecorder history(home.Path());
    ASSERT_EQ(history.Note(), "");
    RecordingUi ui;
    HistoryLinkUi recorded(ui);
    recorded.Begin(history.Note());
    SimBench b;
    b.port.Close();
    CodePlugDocument doc;
    ReadSession session(b.port, recorded, doc);
    const TransferResult r = session.Run();
    ASSERT_TRUE(r.Succeeded());
    EXPECT_EQ(ui.details.back(), "");
    {
        SqliteDb other; // another program spoils the file meanwhile
        ASSERT_TRUE(other.Open(home.Path()));
        ASSERT_TRUE(other.Exec("DROP TABLE operation"));
    }
    const std::string note = history.Keep(ReadRows(r, session.Identity(), doc.image.Text(), recorded.Message()),
                                          "simulator", recorded);
    EXPECT_EQ(note, history.Note());
    EXPECT_TRUE(Contains(note, home.Path() + ": no such table")) << note;
}
