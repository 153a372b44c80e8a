// The simulated radio as the service functions meet it: alignment mode, access query and service
// code, tuning items, and silence outside the programming mode.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "codeplug/HexText.h"
#include "link/ExchangeLog.h"
#include "link/Protocol.h"

namespace {

// Opens the conversation as the alignment-data window does; the identity comes back.
RadioIdentity OpenQuintar(SimBench& b, ExchangeLog& log)
{
    RadioIdentity id;
    EXPECT_EQ(HandshakeIdentify(b.port, log, kAlignmentHandshake, FRAME_QUINTAR, id), HandshakeStep::Done);
    EXPECT_EQ(HandshakeAcknowledge(b.port, log, kAlignmentHandshake), HandshakeStep::Done);
    return id;
}

} // namespace

TEST(SimulatedRadio, ServiceAccessAndAlignmentBlock)
{
    LinkAppDir dir;
    std::string reply;
    {
        SimBench b;
        b.radio.SetModelText("R736");
        b.radio.SetFirmware(0x02, 0x10);
        RecordingUi ui;
        ExchangeLog log(&ui);
        const RadioIdentity id = OpenQuintar(b, log);
        EXPECT_EQ(id.ModelTag(), "R736");
        EXPECT_EQ(id.VersionText(), "2.10");
        EXPECT_EQ(RequestServiceAccess(b.port, log, true), AccessResult::Granted);
        EXPECT_TRUE(b.radio.ServiceCodeAccepted());
        EXPECT_EQ(b.radio.Frames().back(), ServiceCodeFrame());

        // The alignment block at 0x02A0: 4 header bytes, then the data.
        EXPECT_EQ(PortTransceive(b.port, ReadRequestFrame(0x02A0, 8), reply, 12, 300), LINK_OK);
        EXPECT_EQ(reply.substr(8), b.radio.MemoryHex().substr(2 * 0x02A0, 16));
        EXPECT_EQ(PortTransceive(b.port, WriteRequestFrame(0x02A0, 8, "0102030405060708"), reply, 1, 300),
                  LINK_OK);
        EXPECT_EQ(reply, "06");
        EXPECT_EQ(b.radio.MemoryHex().substr(2 * 0x02A0, 16), "0102030405060708");
    }
    { // A radio that refuses writing: "07" to "15", nothing more is sent.
        SimBench b;
        b.radio.SetWriteAccessReply(0x07);
        ExchangeLog log;
        OpenQuintar(b, log);
        const std::size_t before = b.radio.Frames().size();
        EXPECT_EQ(RequestServiceAccess(b.port, log, true), AccessResult::Refused);
        EXPECT_EQ(b.radio.Frames().size(), before + 1);
        EXPECT_EQ(RequestServiceAccess(b.port, log, false), AccessResult::Granted); // reading is allowed
    }
    { // A wrong service code is answered 15.
        SimBench b;
        ExchangeLog log;
        OpenQuintar(b, log);
        EXPECT_EQ(PortTransceive(b.port, FRAME_READ_ACCESS, reply, 1, 300), LINK_OK);
        EXPECT_EQ(PortTransceive(b.port, "53" + ScrambleCode(TextToHex("qormitabf") + "03"), reply, 1, 300),
                  LINK_OK);
        EXPECT_EQ(reply, "15");
        EXPECT_FALSE(b.radio.ServiceCodeAccepted());
    }
    { // Before PROGRAM the radio stays silent, block requests included.
        SimBench b;
        EXPECT_EQ(PortTransceive(b.port, ReadRequestFrame(0, 0x40), reply, 68, 20), LINK_TIMEOUT);
        EXPECT_EQ(PortTransceive(b.port, FRAME_IDENTITY, reply, 8, 20), LINK_TIMEOUT);
        EXPECT_EQ(reply, "");
    }
}

TEST(SimulatedRadio, TuningItems)
{
    LinkAppDir dir;
    SimBench b;
    b.radio.SetModelText("R736");
    std::string reply;
    ExchangeLog log;
    RadioIdentity id;
    ASSERT_EQ(HandshakeIdentify(b.port, log, kTuningHandshake, FRAME_PROGRAM, id), HandshakeStep::Done);
    ASSERT_EQ(HandshakeAcknowledge(b.port, log, kTuningHandshake), HandshakeStep::Done);
    // Item k is kept at byte 40 + k of the alignment block at 0x02A0, after the five test points.
    const int itemAddress = 0x02A0 + 40 + 3;
    const int stored = b.radio.MemoryByte(itemAddress);
    const std::string testPoints = b.radio.MemoryHex().substr(2 * 0x02A0, 2 * 40);

    EXPECT_EQ(PortTransceive(b.port, AskFrame(3), reply, 4, 300), LINK_TIMEOUT); // not in tuning mode yet
    EXPECT_EQ(PortTransceive(b.port, FRAME_TEST, reply, 1, 300), LINK_OK);
    EXPECT_EQ(reply, "06");
    EXPECT_EQ(PortTransceive(b.port, AskFrame(3), reply, 4, 300), LINK_OK);
    EXPECT_EQ(HexToInt(reply.substr(6)), stored);
    EXPECT_EQ(PortTransceive(b.port, TsFrame(3, 0x55), reply, 4, 300), LINK_OK);
    EXPECT_EQ(PortTransceive(b.port, AskFrame(3), reply, 4, 300), LINK_OK);
    EXPECT_EQ(reply.substr(6), "55");
    EXPECT_EQ(b.radio.MemoryByte(itemAddress), stored);                            // TS only tries the value
    EXPECT_EQ(PortTransceive(b.port, TfFrame(3, stored), reply, 4, 300), LINK_OK); // cancelled
    EXPECT_EQ(PortTransceive(b.port, AskFrame(3), reply, 4, 300), LINK_OK);
    EXPECT_EQ(HexToInt(reply.substr(6)), stored);
    EXPECT_EQ(PortTransceive(b.port, SvFrame(3, 0x66), reply, 4, 300), LINK_OK); // confirmed
    EXPECT_EQ(PortTransceive(b.port, TfFrame(3, 0x66), reply, 4, 300), LINK_OK);
    EXPECT_EQ(b.radio.MemoryByte(itemAddress), 0x66);
    EXPECT_EQ(b.radio.ItemValue(3), 0x66);
    EXPECT_EQ(b.radio.MemoryHex().substr(2 * 0x02A0, 2 * 40), testPoints); // frequencies untouched
    EXPECT_EQ(PortTransceive(b.port, FRAME_CLOS, reply, 4, 300), LINK_OK);
    EXPECT_EQ(PortTransceive(b.port, AskFrame(3), reply, 4, 30), LINK_TIMEOUT); // tuning mode left
    // The confirmed value is what a later read of the alignment block finds for the item.
    EXPECT_EQ(PortTransceive(b.port, ReadRequestFrame(0x02C8, 8), reply, 12, 300), LINK_OK);
    EXPECT_EQ(reply.substr(8 + 2 * 3, 2), "66");
}

TEST(SimulatedRadio, AlignmentWakeUpFallsBackToProgram)
{
    LinkAppDir dir;
    { // An awake radio answers QUINTAR at once.
        SimBench b;
        ExchangeLog log;
        EXPECT_TRUE(AlignmentWakeUp(b.port, log));
        EXPECT_EQ(b.radio.Frames(), std::vector<std::string>{FRAME_QUINTAR});
    }
    { // A radio deaf to QUINTAR gets "02" and then PROGRAM.
        SimBench b;
        SimFault deaf;
        deaf.kind = SimFault::Kind::NoAnswer;
        deaf.prefix = "51";
        deaf.count = 0;
        b.radio.AddFault(deaf);
        RecordingUi ui;
        ExchangeLog log(&ui);
        EXPECT_TRUE(AlignmentWakeUp(b.port, log));
        const std::vector<std::string> expected = {FRAME_QUINTAR, FRAME_QUINTAR, FRAME_QUINTAR, "02",
                                                   FRAME_PROGRAM};
        EXPECT_EQ(b.radio.Frames(), expected);
        EXPECT_TRUE(ui.messages.empty());
    }
    { // Silent altogether: 3009 from the PROGRAM step, port closed.
        SimBench b;
        SimFault silent;
        silent.kind = SimFault::Kind::NoAnswer;
        silent.count = 0;
        b.radio.AddFault(silent);
        RecordingUi ui;
        ExchangeLog log(&ui);
        EXPECT_FALSE(AlignmentWakeUp(b.port, log));
        EXPECT_EQ(ui.messages, std::vector<int>{3009});
        EXPECT_FALSE(b.port.IsOpen());
    }
}
