// Reading a code plug from the simulated radio: the new image in the document, the retries, and the
// failure table (message, port, button) with the document unchanged after every failed read.
#include <gtest/gtest.h>

#include <algorithm>

#include "LinkTestSupport.h"
#include "codeplug/Document.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "link/PosixSerialPort.h"
#include "link/Protocol.h"
#include "link/RadioPort.h"
#include "link/ReadSession.h"

namespace {

// A radio image that differs from every default: byte i holds (i * 7 + 3) & 0xFF.
std::string PatternImage()
{
    std::vector<std::uint8_t> bytes(1024);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
    return BytesToHex(bytes);
}

CodePlugDocument OpenedDocument()
{
    CodePlugDocument doc;
    doc.ResetToNew();
    doc.image.WriteByte(0x0010, 0x12); // an unsaved edit
    doc.path = "/somewhere/plug.dat";
    return doc;
}

} // namespace

TEST(ReadSession, ReadsTheWholeRadioIntoTheDocument)
{
    LinkAppDir dir;
    SimBench b;
    b.radio.SetMemoryHex(PatternImage());
    b.radio.SetModelText("R736");
    b.radio.SetFirmware(0x02, 0x10);
    b.port.Close(); // the session opens it
    CodePlugDocument doc = OpenedDocument();
    g_nRadioType = 1;
    RecordingUi ui;
    ReadSession session(b.port, ui, doc);

    const TransferResult r = session.Run();
    EXPECT_TRUE(r.Succeeded());
    EXPECT_EQ(ui.messages, std::vector<int>{3007});
    EXPECT_EQ(doc.image.Text(), PatternImage());
    EXPECT_FALSE(doc.IsModified()); // closing now asks nothing
    EXPECT_TRUE(doc.fromRadio);
    EXPECT_EQ(doc.path, "");
    EXPECT_EQ(g_nRadioType, 3);
    EXPECT_EQ(g_modelInfo.mcuVersion, "2.10");
    EXPECT_FALSE(b.port.IsOpen());
    EXPECT_TRUE(ui.buttonEnabled);
    EXPECT_FALSE(ui.waitCursor);
    EXPECT_EQ(ui.low, 1);
    EXPECT_EQ(ui.high, 16);
    EXPECT_EQ(ui.positions.size(), 16u);
    EXPECT_EQ(ui.positions.back(), 16);

    // The radio saw the handshake, then 16 requests of 64 bytes each closed by 06.
    const std::vector<std::string>& f = b.radio.Frames();
    ASSERT_EQ(f.size(), 3u + 32u);
    EXPECT_EQ(f[0], "50524F4752414D");
    EXPECT_EQ(f[1], "02");
    EXPECT_EQ(f[2], "06");
    for (int n = 0; n < 16; ++n) {
        EXPECT_EQ(f[3 + 2 * n], ReadRequestFrame(n * 64, 0x40));
        EXPECT_EQ(f[4 + 2 * n], "06");
    }
    EXPECT_EQ(ui.SentFrames().size(), 16u); // block lines are logged without the service view
}

TEST(ReadSession, UntaggedRadioAndRetriedFirstBlock)
{
    LinkAppDir dir;
    SimBench b;
    b.radio.SetMemoryHex(PatternImage());
    b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, "52", 1));
    CodePlugDocument doc = OpenedDocument();
    g_modelInfo.mcuVersion = "0.77";
    RecordingUi ui;
    ReadSession session(b.port, ui, doc);

    EXPECT_TRUE(session.Run().Succeeded());
    EXPECT_EQ(doc.image.Text(), PatternImage());
    EXPECT_EQ(g_nRadioType, 3);
    EXPECT_NE(g_modelInfo.mcuVersion, "1.05"); // version text only from an "R736" radio
    const std::vector<std::string> sent = ui.SentFrames();
    ASSERT_EQ(sent.size(), 17u);
    EXPECT_EQ(sent[0], "52000040");
    EXPECT_EQ(sent[1], "52000040");
    EXPECT_EQ(sent[2], "52004040");

    // A reply that comes after the time limit is taken by the second attempt; an extra byte after a
    // block reply in the same read is dropped.
    SimBench c;
    c.radio.SetMemoryHex(PatternImage());
    SimFault late = Fault(SimFault::Kind::LateAnswer, "52", 4);
    late.delayMs = 230;
    c.radio.AddFault(late);
    SimFault extra = Fault(SimFault::Kind::ExtraBytes, "52", 6);
    extra.bytes = {0x06};
    c.radio.AddFault(extra);
    CodePlugDocument doc2 = OpenedDocument();
    RecordingUi ui2;
    ReadSession again(c.port, ui2, doc2);
    EXPECT_TRUE(again.Run().Succeeded());
    EXPECT_EQ(doc2.image.Text(), PatternImage());
}

TEST(ReadSession, FailuresShowTheirMessageAndChangeNothing)
{
    struct Case {
        const char* what;
        SimFault fault;
        TransferStatus status;
        int text;
        bool buttonEnabled;
    };
    const std::vector<Case> cases = {
        {"no answer to PROGRAM", Fault(SimFault::Kind::NoAnswer, "50", 1, 0), TransferStatus::NoRadio, 3006,
         true},
        {"no identity", Fault(SimFault::Kind::NoAnswer, "02", 1, 0), TransferStatus::RadioStopped, 3009,
         true},
        {"no acknowledge", Fault(SimFault::Kind::NoAnswer, "06", 1, 0), TransferStatus::RadioStopped, 3009,
         true},
        {"block 3 silent", Fault(SimFault::Kind::NoAnswer, "52", 3, 3), TransferStatus::BlockTimeout, 3009,
         true},
        {"block ack refused", Fault(SimFault::Kind::WrongByte, "06", 4, 0), TransferStatus::BlockAckFailed,
         3009, false},
        // A line that closes is the connection lost, never "no radio answered".
        {"connection dropped", Fault(SimFault::Kind::Drop, "52", 5), TransferStatus::BlockFault, 9602, false},
        {"dropped at PROGRAM", Fault(SimFault::Kind::Drop, "50", 1), TransferStatus::PortFault, 9602, true},
        {"dropped at acknowledge", Fault(SimFault::Kind::Drop, "06", 1), TransferStatus::PortFault, 9602,
         true},
    };
    LinkAppDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimBench b;
        b.radio.SetMemoryHex(PatternImage());
        b.radio.SetModelText("R736");
        b.radio.AddFault(c.fault);
        CodePlugDocument doc = OpenedDocument();
        const CodePlugDocument before = doc;
        g_nRadioType = 2;
        g_modelInfo.mcuVersion = "0.77";
        RecordingUi ui;
        ReadSession session(b.port, ui, doc);

        const TransferResult r = session.Run();
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.textNumber, c.text);
        EXPECT_EQ(ui.messages, std::vector<int>{c.text});
        EXPECT_FALSE(b.port.IsOpen());
        EXPECT_EQ(ui.buttonEnabled, c.buttonEnabled);
        EXPECT_FALSE(ui.waitCursor);
        EXPECT_EQ(doc.image.Text(), before.image.Text());
        EXPECT_EQ(doc.savedCopy, before.savedCopy);
        EXPECT_EQ(doc.path, before.path);
        EXPECT_EQ(doc.fromRadio, before.fromRadio);
        EXPECT_EQ(g_nRadioType, 2);
        EXPECT_EQ(g_modelInfo.mcuVersion, "0.77");
    }
}

TEST(ReadSession, PortThatCannotBeOpenedIsReportedWithItsReason)
{
    LinkAppDir dir;
    CodePlugDocument doc = OpenedDocument();
    {
        SimBench b;
        b.port.Close();
        b.port.FailOpen("/dev/ttyUSB0: Permission denied");
        RecordingUi ui;
        ReadSession session(b.port, ui, doc);
        EXPECT_EQ(session.Run().status, TransferStatus::PortOpenFailed);
        EXPECT_EQ(ui.messages, std::vector<int>{3012});
        EXPECT_EQ(ui.details.front(), "/dev/ttyUSB0: Permission denied");
        EXPECT_TRUE(b.radio.Frames().empty());
    }
    { // A real device path that does not exist, through the port of the command line.
        RadioPort port([] { return std::unique_ptr<SerialPort>(new PosixSerialPort); });
        ConfigureRadioPort(port, "/dev/vpx-no-such-tty", kCodePlugLineSettings);
        RecordingUi ui;
        ReadSession session(port, ui, doc);
        EXPECT_EQ(session.Run().textNumber, 3012);
        ASSERT_EQ(ui.details.size(), 1u);
        EXPECT_NE(ui.details[0].find("/dev/vpx-no-such-tty"), std::string::npos);
        EXPECT_NE(ui.details[0].find("No such file"), std::string::npos);
    }
    { // No port chosen at all: refused before any traffic.
        RadioPort port([] { return std::unique_ptr<SerialPort>(new PosixSerialPort); });
        ConfigureRadioPort(port, "", kCodePlugLineSettings);
        RecordingUi ui;
        ReadSession session(port, ui, doc);
        EXPECT_EQ(session.Run().textNumber, 3012);
        EXPECT_FALSE(ui.details.at(0).empty());
    }
    EXPECT_TRUE(doc.IsModified());
}

namespace {

// A stray burst on the line: 30 bytes after the acknowledge of block 1, still arriving while block 2's
// reply comes in (paced), so that they would push block 2's bytes along.
SimFault StrayBurstAfterFirstBlockAck()
{
    SimFault burst = Fault(SimFault::Kind::ExtraBytes, "06", 2);
    burst.bytes.assign(30, 0x06);
    return burst;
}

// Reads the pattern image from a radio that echoes the request in its block headers or not, with or
// without a stray burst on a paced line; the image must be exact every time.
struct EchoRead {
    std::vector<std::string> frames;
    int block2Requests = 0;
    std::vector<int> messages;
};

EchoRead ReadExactly(bool echo, bool strayBurst)
{
    SimBench b;
    b.port.SetPaced(strayBurst);
    b.radio.SetMemoryHex(PatternImage());
    b.radio.SetEchoHeader(echo);
    if (strayBurst)
        b.radio.AddFault(StrayBurstAfterFirstBlockAck());
    b.port.Close();
    CodePlugDocument doc = OpenedDocument();
    RecordingUi ui;
    ReadSession session(b.port, ui, doc);
    EXPECT_TRUE(session.Run().Succeeded());
    EXPECT_EQ(doc.image.Text(), PatternImage());
    return {b.radio.Frames(), ui.CountLines("S:52004040"), ui.messages};
}

} // namespace

TEST(ReadSession, BlockRepliesMustBelongToTheirRequest)
{
    LinkAppDir dir;
    // The simulated radio echoes each request in the reply header: the reply is found behind the
    // stray burst by its echo, and the block before the burst, which the burst may have shifted, is
    // read again.
    const EchoRead shifted = ReadExactly(true, true);
    EXPECT_EQ(shifted.block2Requests, 2);
    EXPECT_EQ(std::count(shifted.frames.begin(), shifted.frames.end(), "52000040"), 2);
    EXPECT_EQ(shifted.messages, std::vector<int>{3007});
    // A radio whose header is not an echo is read exactly as before on a clean line: the same frames,
    // the same image; on a disturbed line its replies are taken only when nothing else came.
    EXPECT_EQ(ReadExactly(false, false).frames, ReadExactly(true, false).frames);
    EXPECT_GE(ReadExactly(false, true).block2Requests, 2);

    // A radio that stops echoing in the middle is read exactly all the same: whether a radio echoes is
    // never learned, each reply is judged by itself.
    {
        SimBench b;
        b.radio.SetMemoryHex(PatternImage());
        b.port.Close();
        class StopsEchoing : public SimulatedPort {
        public:
            StopsEchoing(SimulatedRadio& r) : SimulatedPort(r), radio(r) {}
            bool Write(const std::vector<std::uint8_t>& bytes) override
            {
                if (radio.Frames().size() >= 5) // after block 1 and its acknowledge
                    radio.SetEchoHeader(false);
                return SimulatedPort::Write(bytes);
            }
            SimulatedRadio& radio;
        } port(b.radio);
        CodePlugDocument doc = OpenedDocument();
        RecordingUi ui;
        ReadSession session(port, ui, doc);
        EXPECT_TRUE(session.Run().Succeeded());
        EXPECT_EQ(ui.messages, std::vector<int>{3007});
        EXPECT_EQ(ui.CountLines("S:52004040"), 1);
        EXPECT_EQ(doc.image.Text(), PatternImage());
    }
}

TEST(ReadSession, ReadTwiceSucceedsOnlyWhenBothReadsAgree)
{
    LinkAppDir dir;
    // Two whole conversations, each from PROGRAM, with progress over both.
    {
        SimBench b;
        b.radio.SetMemoryHex(PatternImage());
        b.port.Close();
        CodePlugDocument doc = OpenedDocument();
        RecordingUi ui;
        ReadSession session(b.port, ui, doc);
        session.SetReadTwice(true);
        EXPECT_TRUE(session.Run().Succeeded());
        EXPECT_EQ(doc.image.Text(), PatternImage());
        const std::vector<std::string>& f = b.radio.Frames();
        ASSERT_EQ(f.size(), 70u);
        EXPECT_EQ(f[35], "50524F4752414D");
        EXPECT_EQ(ui.high, 32);
        EXPECT_EQ(ui.positions.front(), 1);
        EXPECT_EQ(ui.positions.back(), 32);
        EXPECT_EQ(ui.messages, std::vector<int>{3007});
        EXPECT_FALSE(b.port.IsOpen());
    }
    // A radio whose memory changes between the reads (a bad line, a radio being programmed): refused
    // with its own message, the document as it was, the button usable again.
    {
        SimBench b;
        b.radio.SetMemoryHex(PatternImage());
        b.port.Close();
        class ChangesAfterFirstRead : public SimulatedPort {
        public:
            using SimulatedPort::SimulatedPort;
            SimulatedRadio* radio = nullptr;
            void Close() override
            {
                SimulatedPort::Close();
                if (radio && ++closes == 1)
                    radio->SetMemoryHex(std::string(2048, 'F'));
            }
            int closes = 0;
        } port(b.radio);
        port.radio = &b.radio;
        CodePlugDocument doc = OpenedDocument();
        const CodePlugDocument before = doc;
        RecordingUi ui;
        ReadSession session(port, ui, doc);
        session.SetReadTwice(true);
        const TransferResult r = session.Run();
        EXPECT_EQ(r.status, TransferStatus::ReadsDisagree);
        EXPECT_EQ(ui.messages, std::vector<int>{9500});
        EXPECT_EQ(doc.image.Text(), before.image.Text());
        EXPECT_EQ(doc.savedCopy, before.savedCopy);
        EXPECT_EQ(doc.path, before.path);
        EXPECT_TRUE(ui.buttonEnabled);
        EXPECT_FALSE(port.IsOpen());
    }
}
