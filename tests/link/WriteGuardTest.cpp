// A write that never loses a radio's code plug, against the simulated radio: without the two choices
// exactly the frames of a plain write; the backup holds the radio's previous memory byte for byte and
// a failed backup writes nothing; the read-back passes for a good radio and names what a faulty one
// holds instead, with the backup that restores it.
#include <gtest/gtest.h>

#include <regex>

#include "LinkTestSupport.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "codeplug/AddressMap.h"
#include "codeplug/DataFile.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "link/PosixSerialPort.h"
#include "link/Protocol.h"
#include "link/RadioPort.h"
#include "link/WriteSession.h"
#include "tests/support/DataHome.h"

namespace {

// What the radio held before: a band-33 code plug with channel 3 on 431.000 MHz and a serial number.
std::string RadioBefore()
{
    CodePlug plug(BuildBandImage("33"));
    plug.Write(Addr::ChannelAddress(3), EncodeFreq(431.0) + EncodeFreq(431.0) + "FFFFFFFFFF3101FF");
    plug.Write(Addr::kSerialNumber, TextToHex("12345") + std::string(20, 'F'));
    return plug.Text();
}

// What is written: channel 3 on 435.125 MHz, squelch level 5.
CodePlug ImageToWrite()
{
    CodePlug image(BuildBandImage("33"));
    image.Write(Addr::ChannelAddress(3), EncodeFreq(435.125) + EncodeFreq(435.125) + "FFFFFFFFFF3101FF");
    image.WriteByte(Addr::kSquelch, 5);
    return image;
}

// The frames of a plain write of image: handshake, then the 49 block frames in order.
std::vector<std::string> PlainWriteFrames(const CodePlug& image)
{
    std::vector<std::string> frames = {FRAME_PROGRAM, FRAME_IDENTITY, FRAME_ACK};
    for (int n = 1; n <= WriteSession::kBlocks; ++n)
        if (!WriteSession::BlockFrame(image, n).empty())
            frames.push_back(WriteSession::BlockFrame(image, n));
    return frames;
}

// The frames of a whole read: handshake, 16 block requests each closed by 06.
std::vector<std::string> ReadFrames()
{
    std::vector<std::string> frames = {FRAME_PROGRAM, FRAME_IDENTITY, FRAME_ACK};
    for (int n = 0; n < 16; ++n) {
        frames.push_back(ReadRequestFrame(n * 64, 0x40));
        frames.push_back(FRAME_ACK);
    }
    return frames;
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

int CountPrefix(const std::vector<std::string>& frames, const std::string& prefix)
{
    int n = 0;
    for (const std::string& f : frames)
        n += f.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
}

std::unique_ptr<SerialPort> MakePosixPort() { return std::make_unique<PosixSerialPort>(); }

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

struct Guarded {
    explicit Guarded(WriteOptions options) : session(b.port, ui, image)
    {
        b.radio.SetMemoryHex(RadioBefore());
        b.port.Close();
        session.SetOptions(options);
    }
    SimBench b;
    CodePlug image = ImageToWrite();
    RecordingUi ui;
    WriteSession session;
};

} // namespace

TEST(WriteGuard, WithoutTheChoicesTheRadioGetsExactlyAPlainWrite)
{
    LinkAppDir dir;
    DataHome home;
    // Settings absent, "no", or anything but "yes": both off.
    for (const char* ini : {"", "[option]\nbackup_before_write=no\nverify_after_write=no\n",
                            "[option]\nbackup_before_write=YES\nverify_after_write=1\n"}) {
        SCOPED_TRACE(ini);
        dir.WriteFile("system.ini", ini);
        const WriteOptions options = WriteOptionsFromSettings();
        EXPECT_FALSE(options.backup);
        EXPECT_FALSE(options.verify);
        Guarded g(options);
        EXPECT_TRUE(g.session.Run().Succeeded());
        EXPECT_EQ(g.b.radio.Frames(), PlainWriteFrames(g.image));
        EXPECT_EQ(g.ui.messages, std::vector<int>{3014});
        EXPECT_EQ(g.ui.details, std::vector<std::string>{""});
        EXPECT_EQ(g.ui.high, 52);
        EXPECT_EQ(g.session.BackupPath(), "");
        EXPECT_EQ(home.BackupCount(), 0);
    }
    dir.WriteFile("system.ini", "[option]\nbackup_before_write=yes\nverify_after_write=yes\n");
    EXPECT_TRUE(WriteOptionsFromSettings().backup);
    EXPECT_TRUE(WriteOptionsFromSettings().verify);
}

TEST(WriteGuard, BackupHoldsTheRadiosPreviousMemoryUnderItsName)
{
    LinkAppDir dir;
    DataHome home;
    Guarded g({true, false});
    const std::time_t t0 = std::time(nullptr);
    const TransferResult r = g.session.Run();
    const std::time_t t1 = std::time(nullptr);
    ASSERT_TRUE(r.Succeeded());

    // A whole read with its own handshake first, then the plain write.
    EXPECT_EQ(g.b.radio.Frames(), Joined(ReadFrames(), PlainWriteFrames(g.image)));
    const std::filesystem::path backup(g.session.BackupPath());
    EXPECT_EQ(backup.parent_path(), home.Backups());
    std::smatch m;
    const std::string name = backup.filename().string();
    ASSERT_TRUE(std::regex_match(name, m, std::regex(R"((\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d)_33_SN12345\.dat)")))
        << name;
    char earliest[32], latest[32];
    std::strftime(earliest, sizeof earliest, "%Y-%m-%d_%H-%M-%S", std::localtime(&t0));
    std::strftime(latest, sizeof latest, "%Y-%m-%d_%H-%M-%S", std::localtime(&t1));
    EXPECT_GE(m[1].str(), std::string(earliest));
    EXPECT_LE(m[1].str(), std::string(latest));
    std::string saved;
    ASSERT_EQ(LoadDataFile(backup.string(), saved), 0);
    EXPECT_EQ(saved, RadioBefore());
    // The radio holds the new code plug; the success message says where the old one is.
    EXPECT_EQ(g.b.radio.MemoryHex().substr(0, 2 * 0x0180), g.image.Text().substr(0, 2 * 0x0180));
    EXPECT_EQ(g.ui.messages, std::vector<int>{3014});
    EXPECT_TRUE(Contains(g.ui.details[0], backup.string()));
    // One progress bar over both: 16 read steps, then the 52 of the write.
    EXPECT_EQ(g.ui.low, 1);
    EXPECT_EQ(g.ui.high, 68);
    ASSERT_EQ(g.ui.positions.size(), 68u);
    for (int i = 0; i < 68; ++i)
        EXPECT_EQ(g.ui.positions[static_cast<std::size_t>(i)], i + 1);
    EXPECT_FALSE(g.ui.waitCursor);
    EXPECT_TRUE(g.ui.buttonEnabled);
    EXPECT_FALSE(g.b.port.IsOpen());
}

TEST(WriteGuard, FailedBackupWritesNothing)
{
    LinkAppDir dir;
    { // The radio stops answering in the middle of the backup read.
        DataHome home;
        Guarded g({true, true});
        g.b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, "52", 7, 3));
        const TransferResult r = g.session.Run();
        EXPECT_EQ(r.status, TransferStatus::BackupFailed);
        EXPECT_EQ(g.ui.messages, std::vector<int>{9552});
        EXPECT_TRUE(Contains(g.ui.details[0], GetLangText(3009))); // the read's own reason
        EXPECT_EQ(CountPrefix(g.b.radio.Frames(), "57"), 0);
        EXPECT_EQ(g.b.radio.MemoryHex(), RadioBefore());
        EXPECT_EQ(home.BackupCount(), 0);
        EXPECT_FALSE(g.b.port.IsOpen());
        EXPECT_FALSE(g.ui.waitCursor);
    }
    { // No radio at all.
        DataHome home;
        Guarded g({true, false});
        g.b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, "50", 1, 0));
        EXPECT_EQ(g.session.Run().status, TransferStatus::BackupFailed);
        EXPECT_TRUE(Contains(g.ui.details[0], GetLangText(3006)));
        EXPECT_EQ(CountPrefix(g.b.radio.Frames(), "57"), 0);
    }
    { // The radio was read, but its code plug cannot be kept: the folder cannot be made.
        DataHome home;
        std::ofstream(home.Path() / "vpxds") << "a file where the folder should be";
        Guarded g({true, false});
        EXPECT_EQ(g.session.Run().status, TransferStatus::BackupFailed);
        EXPECT_EQ(g.ui.messages, std::vector<int>{9553});
        EXPECT_EQ(g.ui.details[0], home.Backups().string());
        EXPECT_EQ(CountPrefix(g.b.radio.Frames(), "57"), 0);
        EXPECT_EQ(g.b.radio.MemoryHex(), RadioBefore());
        EXPECT_TRUE(g.ui.buttonEnabled);
    }
}

TEST(WriteGuard, VerificationPassesForARadioThatHoldsEveryByte)
{
    LinkAppDir dir;
    DataHome home;
    Guarded g({false, true});
    ASSERT_TRUE(g.session.Run().Succeeded());
    EXPECT_EQ(g.b.radio.Frames(), Joined(PlainWriteFrames(g.image), ReadFrames()));
    EXPECT_EQ(g.ui.messages, std::vector<int>{3014});
    EXPECT_EQ(g.ui.details, std::vector<std::string>{GetLangText(9558)});
    EXPECT_EQ(g.ui.high, 68);
    EXPECT_EQ(g.ui.positions.back(), 68);
    EXPECT_EQ(home.BackupCount(), 0);
    // The bytes the write leaves alone (0x0180-0x01AF, 0x0340 on) may differ: they are not compared.
    EXPECT_NE(g.b.radio.MemoryHex().substr(2 * 0x03E0, 10), g.image.Text().substr(2 * 0x03E0, 10));
}

TEST(WriteGuard, VerificationNamesWhatTheRadioHoldsAndTheBackupThatRestoresIt)
{
    LinkAppDir dir;
    { // The radio acknowledges channel 3's block but keeps its old bytes.
        DataHome home;
        Guarded g({true, true});
        g.b.radio.SetIgnoreWrite(Addr::ChannelAddress(3));
        const TransferResult r = g.session.Run();
        EXPECT_EQ(r.status, TransferStatus::VerifyFailed);
        EXPECT_EQ(g.ui.messages, std::vector<int>{9550});
        const std::string& detail = g.ui.details[0];
        EXPECT_TRUE(Contains(detail, GetLangTextWith(9563, {"3"}) + ": ")) << detail;
        EXPECT_TRUE(Contains(detail, "435.12500 \u2192 431.00000")) << detail;
        EXPECT_FALSE(Contains(detail, GetLangText(4010))) << detail; // the squelch was written right
        EXPECT_TRUE(Contains(detail, GetLangTextWith(9554, {g.session.BackupPath()}))) << detail;
        // The backup, and two read-backs: a difference is told only when the radio shows it twice.
        EXPECT_EQ(CountPrefix(g.b.radio.Frames(), "52"), 48);
        // Every block but channel 3's holds the new data.
        const int ch3 = Addr::ChannelAddress(3);
        EXPECT_TRUE(Contains(detail, GetLangTextWith(9600, {"0x0000\u20130x" + IntToHex(ch3 - 1, 2) + ", 0x" +
                                                               IntToHex(ch3 + 16, 2) + "\u20130x033F"})))
            << detail;
        EXPECT_TRUE(g.ui.buttonEnabled);
        EXPECT_FALSE(g.ui.waitCursor);
        std::string saved;
        ASSERT_EQ(LoadDataFile(g.session.BackupPath(), saved), 0);
        EXPECT_EQ(saved, RadioBefore());
    }
    { // A radio that stores one byte of the squelch wrong; no backup to name.
        DataHome home;
        Guarded g({false, true});
        g.b.radio.SetCorruptWrite(Addr::kSquelch);
        EXPECT_EQ(g.session.Run().status, TransferStatus::VerifyFailed);
        EXPECT_TRUE(g.ui.details[0].starts_with(GetLangText(4010) + ": 5 \u2192 4\n\n")) << g.ui.details[0];
    }
    { // A byte no field names is counted with its address.
        DataHome home;
        Guarded g({false, true});
        g.b.radio.SetCorruptWrite(0x0301);
        EXPECT_EQ(g.session.Run().status, TransferStatus::VerifyFailed);
        EXPECT_TRUE(g.ui.details[0].starts_with(GetLangTextWith(9561, {"1", "0x0301"}) + "\n\n")) << g.ui.details[0];
    }
    { // A fault in a block the write never sends is none of the write's business.
        DataHome home;
        Guarded g({false, true});
        g.b.radio.SetCorruptWrite(0x0185);
        g.b.radio.SetIgnoreWrite(0x0190);
        EXPECT_TRUE(g.session.Run().Succeeded());
    }
}

TEST(WriteGuard, ReadBackThatFailsIsNoSuccess)
{
    LinkAppDir dir;
    DataHome home;
    Guarded g({true, true});
    // The backup read sends the first 16 block requests; the read-back's fourth one gets no answer.
    g.b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, "52", 16 + 4, 3));
    const TransferResult r = g.session.Run();
    EXPECT_EQ(r.status, TransferStatus::VerifyReadFailed);
    EXPECT_EQ(g.ui.messages, std::vector<int>{9551});
    EXPECT_TRUE(Contains(g.ui.details[0], GetLangText(3009)));
    EXPECT_TRUE(Contains(g.ui.details[0], g.session.BackupPath()));
    EXPECT_EQ(CountPrefix(g.b.radio.Frames(), "57"), 45); // the write itself went through
}

TEST(WriteGuard, CrossBandConsentRepeatsOnlyTheWrite)
{
    LinkAppDir dir;
    DataHome home;
    dir.WriteFile(kMarkerCrossBandWrite, "");
    Guarded g({true, true});
    g.b.radio.SetBandCode(0xF9);
    g.ui.answer = true;
    ASSERT_TRUE(g.session.Run().Succeeded());
    EXPECT_EQ(g.ui.questions, std::vector<int>{3019});
    EXPECT_EQ(CountPrefix(g.b.radio.Frames(), FRAME_PROGRAM), 4); // backup, write, write again, read-back
    EXPECT_EQ(CountPrefix(g.b.radio.Frames(), "52"), 32);
    EXPECT_EQ(CountPrefix(g.b.radio.Frames(), "57"), 45);
    EXPECT_EQ(home.BackupCount(), 1);
    EXPECT_TRUE(g.session.BandCheck());
    EXPECT_EQ(g.ui.high, 84);
}

TEST(WriteGuard, BackupAndVerificationOverAPseudoTerminal)
{
    LinkAppDir dir;
    DataHome home;
    PtyRadio radio;
    ASSERT_TRUE(radio.ok) << radio.openError;
    radio.server.Radio().SetMemoryHex(RadioBefore());
    radio.Start();
    RadioPort port(&MakePosixPort);
    ConfigureRadioPort(port, radio.server.DevicePath(), kCodePlugLineSettings);
    RecordingUi ui;
    CodePlug image = ImageToWrite();
    WriteSession session(port, ui, image);
    session.SetOptions({true, true});
    ASSERT_TRUE(session.Run().Succeeded());
    std::string saved;
    ASSERT_EQ(LoadDataFile(session.BackupPath(), saved), 0);
    EXPECT_EQ(saved, RadioBefore());
    EXPECT_EQ(ui.details[0], GetLangText(9558) + "\n\n" + GetLangTextWith(9557, {session.BackupPath()}));

    // The radio now ignores channel 3's block: the next write says so.
    radio.server.Radio().SetIgnoreWrite(Addr::ChannelAddress(3));
    image.Write(Addr::ChannelAddress(3), EncodeFreq(436.0));
    EXPECT_EQ(session.Run().status, TransferStatus::VerifyFailed);
    EXPECT_TRUE(Contains(ui.details.back(), "436.00000 \u2192 435.12500")) << ui.details.back();
    EXPECT_EQ(home.BackupCount(), 2);
    EXPECT_FALSE(port.IsOpen());
}
