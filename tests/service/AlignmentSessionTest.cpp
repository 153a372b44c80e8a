// The alignment-data conversation against the simulated radio: the frames the radio receives, in
// order, for reads and writes (woken or not, with and without the service code), refusals and
// failures that hand back nothing, and replies disturbed on the line.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/service/AlignmentTestBench.h"
#include "app/AppState.h"
#include "codeplug/HexText.h"
#include "link/Protocol.h"
#include "service/AlignmentSession.h"

namespace {

using Frames = std::vector<std::string>;

const std::string kReadAddresses[8] = {"02A0", "02A8", "02B0", "02B8", "02C0", "02C8", "02D0", "02D8"};

Frames ReadBlockFrames()
{
    Frames f;
    for (const std::string& address : kReadAddresses) {
        f.push_back("52" + address + "08");
        f.push_back("06");
    }
    return f;
}

Frames WriteBlockFrames(const std::string& block)
{
    Frames f;
    for (int k = 0; k < 8; ++k)
        f.push_back("57" + kReadAddresses[k] + "08" + block.substr(16 * static_cast<std::size_t>(k), 16));
    return f;
}

Frames Concat(Frames a, const Frames& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A block unlike the sample in every byte.
std::string OtherBlock()
{
    std::string block;
    for (int i = 0; i < 64; ++i)
        block += IntToHex((0xA0 + 3 * i) & 0xFF, 1);
    return block;
}

// A line that once delivers a stray 06 (a late second answer to the mode string) just in front of
// the identity, in the same read: the identity's last byte is pushed out and nothing follows it.
class StrayBeforeIdentityPort : public SimulatedPort {
public:
    using SimulatedPort::SimulatedPort;
    bool Write(const std::vector<std::uint8_t>& bytes) override
    {
        const bool ok = SimulatedPort::Write(bytes);
        if (ok && bytes == std::vector<std::uint8_t>{0x02} && !m_done) {
            InjectInput({0x06});
            m_done = true;
        }
        return ok;
    }

private:
    bool m_done = false;
};

// A line on which a second, late 06 (the radio answering a repeated frame of the opening) arrives a
// few milliseconds after the service code went out, still on its way when the first block request
// goes out.
class LateSecondAnswerPort : public SimulatedPort {
public:
    using SimulatedPort::SimulatedPort;
    bool Write(const std::vector<std::uint8_t>& bytes) override
    {
        const bool ok = SimulatedPort::Write(bytes);
        if (ok && !bytes.empty() && bytes[0] == 0x53 && !m_armed) {
            m_armed = true;
            InjectLater({0x06}, 3);
        }
        return ok;
    }

private:
    bool m_armed = false;
};

} // namespace

TEST(AlignmentSession, ReadsTheBlockOverQuintar)
{
    LinkAppDir dir;
    AlignBench b;
    RecordingUi ui;
    AlignmentSession session(b.port, ui);
    std::string data = "untouched";
    const AlignmentResult r = session.Read(data);
    EXPECT_TRUE(r.Succeeded());
    EXPECT_EQ(data, SampleAlignmentBlock());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(b.port.IsOpen());
    EXPECT_FALSE(ui.waitCursor);
    EXPECT_EQ(ui.high, 8);
    EXPECT_EQ(ui.positions, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(b.radio.ServiceCodeAccepted());
    const Frames opening = {FRAME_QUINTAR, "02", "06", "10", ServiceCodeFrame()};
    EXPECT_EQ(b.radio.Frames(), Concat(opening, ReadBlockFrames()));
    EXPECT_EQ(b.Block(), SampleAlignmentBlock()); // reading changes nothing in the radio

    // A radio that does not ask for the service code: the blocks follow the query at once.
    AlignBench quiet;
    quiet.radio.SetReadAccessReply(0x00);
    AlignmentSession second(quiet.port, ui);
    ASSERT_TRUE(second.Read(data).Succeeded());
    EXPECT_EQ(quiet.radio.Frames(), Concat({FRAME_QUINTAR, "02", "06", "10"}, ReadBlockFrames()));
}

TEST(AlignmentSession, ReadFailuresHandBackNothing)
{
    LinkAppDir dir;
    struct Case {
        const char* what;
        std::function<void(AlignBench&)> prepare;
        AlignmentStatus status;
        int text;
        Frames frames; // what the radio received (empty: not compared)
    };
    const std::vector<Case> cases = {
        {"another radio model: refused when its identity says so twice",
         [](AlignBench& b) { b.radio.SetModelText("TQ951"); },
         AlignmentStatus::ModelRejected,
         3023,
         {FRAME_QUINTAR, "02", "02"}},
        {"the radio stops answering at the sixth block",
         [](AlignBench& b) { b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, "5202C8", 1, 0)); },
         AlignmentStatus::RadioStopped,
         3009,
         {}},
        {"no radio: the mode string goes unanswered three times",
         [](AlignBench& b) { b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, "", 1, 0)); },
         AlignmentStatus::RadioStopped,
         3009,
         {FRAME_QUINTAR, FRAME_QUINTAR, FRAME_QUINTAR}},
        {"the port fails under the transfer",
         [](AlignBench& b) { b.port.FailAfterBytes(30); },
         AlignmentStatus::PortFault,
         9602, // the connection lost, not "the port could not be opened"
         {}},
        {"the port cannot be opened",
         [](AlignBench& b) { b.port.FailOpen("/dev/ttyUSB0: permission denied"); },
         AlignmentStatus::PortOpenFailed,
         3012,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AlignBench b;
        c.prepare(b);
        RecordingUi ui;
        std::string data = "untouched";
        const AlignmentResult r = AlignmentSession(b.port, ui).Read(data);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(ui.messages, std::vector<int>{c.text}); // one message, never a second
        EXPECT_FALSE(b.port.IsOpen());
        EXPECT_EQ(data, "untouched");
        if (!c.frames.empty()) {
            EXPECT_EQ(b.radio.Frames(), c.frames);
        }
        if (c.status == AlignmentStatus::RadioStopped && c.frames.empty()) {
            EXPECT_EQ(std::count(b.radio.Frames().begin(), b.radio.Frames().end(), "5202C808"), 3);
        }
        if (c.status == AlignmentStatus::PortOpenFailed) {
            EXPECT_EQ(ui.details, std::vector<std::string>{"/dev/ttyUSB0: permission denied"});
        }
    }
    // Builds of other model codes take any radio.
    g_strModel = "vpxj";
    AlignBench b;
    b.radio.SetModelText("TQ951");
    RecordingUi ui;
    std::string data;
    EXPECT_TRUE(AlignmentSession(b.port, ui).Read(data).Succeeded());
}

TEST(AlignmentSession, DisturbedRepliesStillGiveTheRadiosBytes)
{
    LinkAppDir dir;
    // Surplus bytes after the third block's reply, a first reply that comes too late: each block is
    // asked for again, and the read holds exactly the radio's bytes.
    SimFault extra = Fault(SimFault::Kind::ExtraBytes, "5202B0", 1);
    extra.bytes = {0x06, 0x52};
    SimFault late = Fault(SimFault::Kind::LateAnswer, "5202A0", 1);
    late.delayMs = 400;
    for (const SimFault& fault : {extra, late}) {
        AlignBench b;
        b.radio.AddFault(fault);
        RecordingUi ui;
        std::string data;
        EXPECT_TRUE(AlignmentSession(b.port, ui).Read(data).Succeeded());
        EXPECT_EQ(data, SampleAlignmentBlock());
        EXPECT_TRUE(ui.messages.empty());
    }
    { // A stray byte in front of the identity never makes the radio "another model".
        AlignBench b;
        StrayBeforeIdentityPort port(b.radio);
        RecordingUi ui;
        std::string data;
        ASSERT_TRUE(AlignmentSession(port, ui).Read(data).Succeeded()) << ui.messages.size();
        EXPECT_EQ(data, SampleAlignmentBlock());
        EXPECT_EQ(std::count(b.radio.Frames().begin(), b.radio.Frames().end(), "02"), 1); // found behind it
        StrayBeforeIdentityPort writePort(b.radio);
        EXPECT_TRUE(AlignmentSession(writePort, ui).Write(OtherBlock()).Succeeded());
        EXPECT_TRUE(ui.messages.empty());
    }
    { // A late second answer of the opening never moves the block's bytes, even when the first block
      // reply then comes in one piece (its last byte pushed out of the read, the line quiet after it).
        AlignBench b;
        SimFault slowBlock = Fault(SimFault::Kind::LateAnswer, "5202A0", 1);
        slowBlock.delayMs = 6;
        b.radio.AddFault(slowBlock);
        LateSecondAnswerPort port(b.radio);
        RecordingUi ui;
        std::string data;
        ASSERT_TRUE(AlignmentSession(port, ui).Read(data).Succeeded());
        EXPECT_EQ(data, SampleAlignmentBlock());
    }
    { // A radio whose block replies do not echo the request is read all the same.
        AlignBench b;
        b.radio.SetEchoHeader(false);
        RecordingUi ui;
        std::string data;
        ASSERT_TRUE(AlignmentSession(b.port, ui).Read(data).Succeeded());
        EXPECT_EQ(data, SampleAlignmentBlock());
    }
}

TEST(AlignmentSession, WritesTheBlockWithAndWithoutWakingTheRadio)
{
    LinkAppDir dir;
    const std::string block = OtherBlock();
    { // An awake radio answers QUINTAR: identity, acknowledge, "15", the service code, eight writes.
        AlignBench b;
        RecordingUi ui;
        const AlignmentResult r = AlignmentSession(b.port, ui).Write(block);
        EXPECT_TRUE(r.Succeeded());
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(b.radio.Frames(),
                  Concat({FRAME_QUINTAR, "02", "06", "15", ServiceCodeFrame()}, WriteBlockFrames(block)));
        EXPECT_EQ(b.Block(), block);
        EXPECT_FALSE(b.port.IsOpen());
        // Nothing outside the block was touched.
        const std::string before = MemoryWithAlignment(SampleAlignmentBlock());
        EXPECT_EQ(b.radio.MemoryHex().substr(0, 2 * Addr::kAlignment),
                  before.substr(0, 2 * Addr::kAlignment));
        EXPECT_EQ(b.radio.MemoryHex().substr(2 * Addr::kAlignment + 128),
                  before.substr(2 * Addr::kAlignment + 128));
    }
    { // A sleeping radio: QUINTAR three times unanswered, "02" wakes it, then PROGRAM. A frame sent
      // again may still be answered late, so the written block is read back before the write is done.
        AlignBench b;
        b.radio.SetNeedsWakeUp(true);
        RecordingUi ui;
        AlignmentSession session(b.port, ui);
        ASSERT_TRUE(session.Write(block).Succeeded());
        EXPECT_TRUE(session.Disturbed());
        const Frames opening = {FRAME_QUINTAR, FRAME_QUINTAR, FRAME_QUINTAR,     "02", FRAME_PROGRAM, "02",
                                "06",          "15",          ServiceCodeFrame()};
        const Frames readBack = Concat({FRAME_QUINTAR, "02", "06", "10", ServiceCodeFrame()}, ReadBlockFrames());
        EXPECT_EQ(b.radio.Frames(), Concat(Concat(opening, WriteBlockFrames(block)), readBack));
        EXPECT_EQ(b.Block(), block);
        EXPECT_TRUE(ui.messages.empty());
    }
    { // No service code asked for.
        AlignBench b;
        b.radio.SetWriteAccessReply(0x00);
        RecordingUi ui;
        ASSERT_TRUE(AlignmentSession(b.port, ui).Write(block).Succeeded());
        EXPECT_EQ(b.radio.Frames(), Concat({FRAME_QUINTAR, "02", "06", "15"}, WriteBlockFrames(block)));
    }
    { // A block answered with 15 once is sent again, then the write goes on.
        AlignBench b;
        b.radio.AddFault(Fault(SimFault::Kind::WrongByte, "5702B8", 1));
        RecordingUi ui;
        ASSERT_TRUE(AlignmentSession(b.port, ui).Write(block).Succeeded());
        EXPECT_EQ(b.Block(), block);
        EXPECT_EQ(std::count(b.radio.Frames().begin(), b.radio.Frames().end(), WriteBlockFrames(block)[3]),
                  2);
    }
}

TEST(AlignmentSession, RefusedOrFailedWritesSayWhatHappened)
{
    LinkAppDir dir;
    const std::string block = OtherBlock();
    { // 07 to the write access query: nothing more is sent, the radio keeps its block, the user is told.
        AlignBench b;
        b.radio.SetWriteAccessReply(0x07);
        RecordingUi ui;
        const AlignmentResult r = AlignmentSession(b.port, ui).Write(block);
        EXPECT_EQ(r.status, AlignmentStatus::WriteRefused);
        EXPECT_EQ(ui.messages, std::vector<int>{9532});
        EXPECT_EQ(b.radio.Frames(), (Frames{FRAME_QUINTAR, "02", "06", "15"}));
        EXPECT_EQ(b.Block(), SampleAlignmentBlock());
        EXPECT_FALSE(b.port.IsOpen());
    }
    { // Another model: 3023 before anything is written.
        AlignBench b;
        b.radio.SetModelText("TQ951");
        RecordingUi ui;
        EXPECT_EQ(AlignmentSession(b.port, ui).Write(block).textNumber, 3023);
        EXPECT_EQ(b.Block(), SampleAlignmentBlock());
        EXPECT_FALSE(b.port.IsOpen());
    }
    { // The service code is refused: 3009, nothing written.
        AlignBench b;
        b.radio.AddFault(Fault(SimFault::Kind::WrongByte, "53", 1, 0));
        RecordingUi ui;
        EXPECT_EQ(AlignmentSession(b.port, ui).Write(block).status, AlignmentStatus::RadioStopped);
        EXPECT_EQ(ui.messages, std::vector<int>{3009});
        EXPECT_EQ(b.Block(), SampleAlignmentBlock());
    }
    { // A block the radio never takes: 3009 after three attempts, the port closed.
        AlignBench b;
        b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, "5702C0", 1, 0));
        RecordingUi ui;
        EXPECT_EQ(AlignmentSession(b.port, ui).Write(block).status, AlignmentStatus::RadioStopped);
        EXPECT_EQ(ui.messages, std::vector<int>{3009});
        EXPECT_FALSE(b.port.IsOpen());
    }
    { // No data: 7022, not a frame sent.
        AlignBench b;
        RecordingUi ui;
        EXPECT_EQ(AlignmentSession(b.port, ui).Write("").status, AlignmentStatus::NothingToWrite);
        EXPECT_EQ(ui.messages, std::vector<int>{7022});
        EXPECT_TRUE(b.radio.Frames().empty());
    }
}
