// The request primitives against the simulated radio: timing of replies in the input buffer,
// attempts, the exchange log, and the identity, scrambling and frame texts.
#include <gtest/gtest.h>

#include <chrono>

#include "LinkTestSupport.h"
#include "app/AppState.h"
#include "link/ExchangeLog.h"
#include "link/Protocol.h"

namespace {

SimFault Fault(SimFault::Kind kind, int frame, int count = 1)
{
    SimFault f;
    f.kind = kind;
    f.frame = frame;
    f.count = count;
    return f;
}

} // namespace

// Stray bytes with the reply to the frame-th frame from now.
SimFault StrayAt(int frame, SimStray::Where where, std::vector<std::uint8_t> bytes, int delayMs = 0)
{
    SimFault f = Fault(SimFault::Kind::Stray, frame);
    f.stray.where = where;
    f.stray.delayMs = delayMs;
    f.stray.index = 10; // inside: among the data bytes of a block reply
    f.stray.bytes = std::move(bytes);
    return f;
}

TEST(PortTransceive, NothingThatArrivesIsDroppedUnexamined)
{
    LinkAppDir dir;
    std::string reply;
    { // A reply that comes too late is judged nobody's before the next frame goes out: it never becomes
      // the start of the next reply, and the line's ledger counts it.
        SimBench b;
        SimFault late = Fault(SimFault::Kind::LateAnswer, 1);
        late.delayMs = 120;
        b.radio.AddFault(late);
        EXPECT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 1, 40, ReplyShape::Exactly("06")), LINK_TIMEOUT);
        EXPECT_EQ(reply, "");
        b.port.Clock().SleepFor(std::chrono::milliseconds(150)); // virtual time: no real wait
        EXPECT_EQ(b.port.BytesWaiting(), 1);
        EXPECT_EQ(PortTransceive(b.port, FRAME_IDENTITY, reply, 8, 200, ReplyShape::FamilyIdentity()), LINK_OK);
        EXPECT_EQ(reply, "5451393531330105");
        EXPECT_EQ(b.port.Ledger().Strays(), 1);
    }
    { // Bytes beyond the awaited length in the same read are kept for the next exchange to judge; a
      // frame that only listens takes them.
        SimBench b;
        SimFault extra = Fault(SimFault::Kind::ExtraBytes, 1);
        extra.bytes = {0xAA, 0x06};
        b.radio.AddFault(extra);
        EXPECT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 1, 200, ReplyShape::Exactly("06")), LINK_OK);
        EXPECT_EQ(reply, "06");
        EXPECT_TRUE(b.port.Ledger().HasKept());
        EXPECT_EQ(PortTransceive(b.port, "", reply, 1, 200, ReplyShape::Exactly("06")), LINK_OK);
        EXPECT_EQ(reply, "06");
        EXPECT_EQ(b.port.Ledger().Strays(), 1); // the AA in front of it
    }
    { // Kept bytes are counted when the next frame goes out, never taken as its reply.
        SimBench b;
        SimFault extra = Fault(SimFault::Kind::ExtraBytes, 1);
        extra.bytes = {0x06, 0x06};
        b.radio.AddFault(extra);
        ASSERT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 1, 200, ReplyShape::Exactly("06")), LINK_OK);
        EXPECT_EQ(PortTransceive(b.port, FRAME_IDENTITY, reply, 8, 200, ReplyShape::FamilyIdentity()), LINK_OK);
        EXPECT_EQ(reply, "5451393531330105");
        EXPECT_EQ(b.port.Ledger().Strays(), 2);
    }
}

TEST(PortTransceive, RepliesAreFoundByTheirShape)
{
    LinkAppDir dir;
    std::string reply;
    const std::string block0 = SimulatedRadio().MemoryHex().substr(0, 128);
    auto openProgram = [&](SimBench& b) {
        ASSERT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 1, 200, ReplyShape::Exactly("06")), LINK_OK);
        ASSERT_EQ(PortTransceive(b.port, FRAME_IDENTITY, reply, 8, 200, ReplyShape::FamilyIdentity()), LINK_OK);
        ASSERT_EQ(PortTransceive(b.port, FRAME_ACK, reply, 1, 200, ReplyShape::Exactly("06")), LINK_OK);
    };
    for (const bool paced : {false, true}) {
        SCOPED_TRACE(paced ? "paced" : "unpaced");
        { // Stray acknowledge look-alikes in front of the identity are dropped, not taken as its start.
            SimBench b;
            b.port.SetPaced(paced);
            b.radio.AddFault(StrayAt(2, SimStray::Where::Before, {0x06, 0x06, 0x06}));
            ASSERT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 1, 200, ReplyShape::Exactly("06")), LINK_OK);
            EXPECT_EQ(PortTransceive(b.port, FRAME_IDENTITY, reply, 8, 300, ReplyShape::FamilyIdentity()), LINK_OK);
            EXPECT_EQ(reply, "5451393531330105");
            EXPECT_EQ(b.port.Ledger().Strays(), 3);
        }
        { // A block reply behind a stray burst is found by the echo of its request.
            SimBench b;
            b.port.SetPaced(paced);
            openProgram(b);
            b.radio.AddFault(StrayAt(1, SimStray::Where::Before, {0x52, 0x00, 0x06, 0x52, 0x52}));
            EXPECT_EQ(PortTransceive(b.port, "52000040", reply, 68, 300, ReplyShape::BlockEcho("52000040")), LINK_OK);
            EXPECT_EQ(reply, "52000040" + block0);
        }
        { // A byte inside the reply pushes its last byte out: it is kept, and the ledger shows it at once
          // when the next frame goes out.
            SimBench b;
            b.port.SetPaced(paced);
            openProgram(b);
            b.radio.AddFault(StrayAt(1, SimStray::Where::Inside, {0x06}));
            ASSERT_EQ(PortTransceive(b.port, "52000040", reply, 68, 300, ReplyShape::BlockEcho("52000040")), LINK_OK);
            EXPECT_NE(reply, "52000040" + block0);
            const long before = b.port.Ledger().Strays();
            PortTransceive(b.port, FRAME_ACK, reply, 1, 300, ReplyShape::Exactly("06"));
            EXPECT_EQ(b.port.Ledger().Strays(), before + 1);
        }
    }
    { // A reply of unknown shape counts only when exactly its length came and the line then stays quiet.
        SimBench b;
        openProgram(b);
        b.radio.SetEchoHeader(false);
        EXPECT_EQ(PortTransceive(b.port, "52000040", reply, 68, 300), LINK_OK);
        EXPECT_EQ(reply, "A5A5A5A5" + block0);
        b.radio.AddFault(StrayAt(2, SimStray::Where::Before, {0x06})); // on the next block reply
        PortTransceive(b.port, FRAME_ACK, reply, 1, 300, ReplyShape::Exactly("06"));
        EXPECT_EQ(PortTransceive(b.port, "52004040", reply, 68, 300), LINK_REJECTED);
    }
    { // A reply that must be exactly 06: a lone 15 is the radio's wrong answer (told at the time limit),
      // a 15 among more bytes is nobody's.
        SimBench b;
        SimFault wrong = Fault(SimFault::Kind::WrongByte, 1);
        wrong.value = 0x15;
        b.radio.AddFault(wrong);
        EXPECT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 1, 100, ReplyShape::Exactly("06")), LINK_OK);
        EXPECT_EQ(reply, "15");
        SimFault extra = Fault(SimFault::Kind::ExtraBytes, 1);
        extra.bytes = {0x15};
        b.radio.AddFault(wrong);
        b.radio.AddFault(extra);
        EXPECT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 1, 100, ReplyShape::Exactly("06")), LINK_REJECTED);
    }
}

TEST(PortTransceive, SendOnlyOddLengthAndPortFaults)
{
    std::string reply = "stale";
    { // Awaiting nothing returns after writing; the radio's answer is not collected.
        SimBench b;
        EXPECT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 0, 10000), LINK_OK);
        EXPECT_EQ(reply, "");
        EXPECT_EQ(b.radio.Frames().size(), 1u);
        EXPECT_EQ(b.port.BytesWaiting(), 1);
    }
    { // An odd number of digits sends nothing.
        SimBench b;
        EXPECT_EQ(PortTransceive(b.port, "50524", reply, 1, 100), LINK_ODD_LENGTH);
        EXPECT_EQ(b.port.BytesWritten(), 0);
    }
    { // Conversion stops at the first pair that is not hex.
        SimBench b;
        EXPECT_EQ(PortTransceive(b.port, "06ZZ06", reply, 0, 100), LINK_OK);
        EXPECT_EQ(b.port.BytesWritten(), 1);
    }
    { // A port that fails while writing, or a line that drops while waiting.
        SimBench b;
        b.port.FailAfterBytes(3);
        EXPECT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 1, 100), LINK_PORT_FAULT);
        SimBench c;
        c.radio.AddFault(Fault(SimFault::Kind::Drop, 1));
        EXPECT_EQ(PortTransceive(c.port, FRAME_PROGRAM, reply, 1, 100), LINK_PORT_FAULT);
    }
}

TEST(PortExchange, AttemptsExpectedRepliesAndFailureReport)
{
    LinkAppDir dir;
    std::string reply;
    { // A radio that never answers: three attempts, then 3009 and the port closed.
        SimBench b;
        RecordingUi ui;
        ExchangeLog log(&ui);
        b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, 1, 0));
        EXPECT_FALSE(PortExchange(b.port, FRAME_PROGRAM, reply, 1, 30, FRAME_ACK, log, true));
        EXPECT_EQ(b.radio.Frames().size(), 3u);
        EXPECT_EQ(ui.messages, std::vector<int>{3009});
        EXPECT_FALSE(b.port.IsOpen());
    }
    { // Without report-failure nothing is shown and the port stays open.
        SimBench b;
        RecordingUi ui;
        ExchangeLog log(&ui);
        b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, 1, 0));
        EXPECT_FALSE(PortExchange(b.port, FRAME_PROGRAM, reply, 1, 30, FRAME_ACK, log, false));
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_TRUE(b.port.IsOpen());
    }
    { // Expected "06" rejects a complete "15"; an empty expectation accepts it.
        SimBench b;
        RecordingUi ui;
        ExchangeLog log(&ui);
        SimFault wrong = Fault(SimFault::Kind::WrongByte, 1, 0);
        wrong.value = 0x15;
        b.radio.AddFault(wrong);
        EXPECT_FALSE(PortExchange(b.port, FRAME_PROGRAM, reply, 1, 100, FRAME_ACK, log, false));
        EXPECT_EQ(b.radio.Frames().size(), 3u);
        EXPECT_TRUE(PortExchange(b.port, FRAME_PROGRAM, reply, 1, 100, "", log, false));
        EXPECT_EQ(reply, "15");
    }
    { // Second attempt answered: true after two frames.
        SimBench b;
        RecordingUi ui;
        ExchangeLog log(&ui);
        b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, 1));
        EXPECT_TRUE(PortExchange(b.port, FRAME_PROGRAM, reply, 1, 50, FRAME_ACK, log, true));
        EXPECT_EQ(b.radio.Frames().size(), 2u);
        EXPECT_TRUE(ui.messages.empty());
    }
    { // A port fault ends at once: one attempt, no message, the port's state untouched.
        SimBench b;
        RecordingUi ui;
        ExchangeLog log(&ui);
        b.port.FailAfterBytes(0);
        int last = 0;
        EXPECT_FALSE(PortExchange(b.port, FRAME_PROGRAM, reply, 1, 100, FRAME_ACK, log, true, {.lastResult = &last}));
        EXPECT_EQ(last, LINK_PORT_FAULT);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_TRUE(b.port.IsOpen());
    }
}

TEST(PortExchange, LogLinesFollowTheServiceView)
{
    LinkAppDir dir;
    std::string reply;
    { // Service view off: nothing is logged, not even failures.
        g_bServiceView = false;
        SimBench b;
        RecordingUi ui;
        ExchangeLog log(&ui);
        b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, 1, 0));
        PortExchange(b.port, FRAME_PROGRAM, reply, 1, 20, FRAME_ACK, log, false);
        EXPECT_EQ(log.Text(), "");
    }
    { // On: one S and one R line per attempt, failed attempts included.
        g_bServiceView = true;
        SimBench b;
        RecordingUi ui;
        ExchangeLog log(&ui);
        b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, 1, 2));
        EXPECT_TRUE(PortExchange(b.port, FRAME_PROGRAM, reply, 1, 20, FRAME_ACK, log, false));
        EXPECT_EQ(log.Text(),
                  "S:50524F4752414D\r\nR:\r\nS:50524F4752414D\r\nR:\r\nS:50524F4752414D\r\nR:06\r\n");
        EXPECT_EQ(ui.log, log.Text()); // shown as it grows
    }
    { // A log of 16384 characters is emptied before the next exchange; one character less is kept.
        g_bServiceView = true;
        SimBench b;
        ExchangeLog full;
        full.Add(std::string(ExchangeLog::kEmptyAt, 'x'));
        PortExchange(b.port, FRAME_PROGRAM, reply, 1, 100, FRAME_ACK, full, false);
        EXPECT_EQ(full.Text(), "S:50524F4752414D\r\nR:06\r\n");
        ExchangeLog almost;
        almost.Add(std::string(ExchangeLog::kEmptyAt - 1, 'x'));
        PortExchange(b.port, FRAME_ACK, reply, 1, 100, FRAME_ACK, almost, false);
        EXPECT_EQ(almost.Text().size(), ExchangeLog::kEmptyAt - 1 + std::string("S:06\r\nR:06\r\n").size());
    }
}

TEST(Protocol, ScramblingIdentityAndFrames)
{
    const std::string field = "71006F726D6974616265";
    EXPECT_EQ(ScrambleCode(ScrambleCode(field)), field);
    EXPECT_NE(ScrambleCode(field), field);
    EXPECT_EQ(ScrambleCode("FFFFFFFFFFFFFFFFFFFF"), "FFFFFFFFFFFFFFFFFFFF");
    EXPECT_EQ(ScrambleCode("00000000000000000000"), SCRAMBLE_KEY);
    EXPECT_EQ(ScrambleCode("0000"), "");
    // "qormitabe" + 03, byte by byte XOR the key.
    EXPECT_EQ(ServiceCodeFrame(), "53"
                                  "0A"
                                  "71"
                                  "76"
                                  "A4"
                                  "CB"
                                  "2C"
                                  "5C"
                                  "94"
                                  "85"
                                  "19");

    const RadioIdentity r736("5237333600"
                             "33"
                             "02"
                             "10");
    EXPECT_EQ(r736.ModelTag(), "R736");
    EXPECT_EQ(r736.ModelNumber(), "736");
    EXPECT_EQ(r736.BandCode(), "33");
    EXPECT_EQ(r736.VersionText(), "2.10");
    EXPECT_EQ(RadioIdentity("5451393531F90105").VersionText(), "1.05");
    EXPECT_EQ(RadioIdentity("5451393531F91A0B").VersionText(), "1.00"); // digits up to the first non-decimal
    const RadioIdentity tq("5451393531F90105");
    EXPECT_EQ(tq.ModelTag(), "TQ95");
    EXPECT_EQ(tq.ModelNumber(), "Q951");
    EXPECT_EQ(tq.BandCode(), "F9");
    EXPECT_EQ(RadioIdentity("52FF333600330210").ModelTag(), "R");
    EXPECT_FALSE(RadioIdentity("5451").IsValid());
    EXPECT_EQ(RadioIdentity("5451").ModelNumber(), "");

    EXPECT_EQ(ReadRequestFrame(0x03F8, 0x40), "5203F840");
    EXPECT_EQ(WriteRequestFrame(0x0010, 0x10, std::string(32, 'A')), "57001010" + std::string(32, 'A'));
    EXPECT_EQ(TsFrame(3, 0x80), "54530380");
    EXPECT_EQ(AskFrame(0), "41534B00");
    EXPECT_EQ(SvFrame(0x12, 0xFF), "535612FF");
    EXPECT_EQ(TfFrame(1, 2), "54460102");
}
