// The request primitives against the simulated radio: timing of replies in the input buffer,
// attempts, the exchange log, and the identity, scrambling and frame texts.
#include <gtest/gtest.h>

#include <thread>

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

TEST(PortTransceive, RepliesAndLeftoversInTheInputBuffer)
{
    std::string reply;
    { // A reply that comes too late is dropped before the next frame goes out: it never becomes the
      // start of the next reply.
        SimBench b;
        SimFault late = Fault(SimFault::Kind::LateAnswer, 1);
        late.delayMs = 120;
        b.radio.AddFault(late);
        EXPECT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 1, 40), LINK_TIMEOUT);
        EXPECT_EQ(reply, "");
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        EXPECT_EQ(b.port.BytesWaiting(), 1);
        EXPECT_EQ(PortTransceive(b.port, FRAME_IDENTITY, reply, 8, 200), LINK_OK);
        EXPECT_EQ(reply, "5451393531330105");
    }
    { // Bytes beyond the awaited length in the same read are dropped.
        SimBench b;
        SimFault extra = Fault(SimFault::Kind::ExtraBytes, 1);
        extra.bytes = {0xAA, 0xBB};
        b.radio.AddFault(extra);
        EXPECT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 1, 200), LINK_OK);
        EXPECT_EQ(reply, "06");
        EXPECT_EQ(b.port.BytesWaiting(), 0);
        EXPECT_EQ(PortTransceive(b.port, FRAME_IDENTITY, reply, 8, 200), LINK_OK);
        EXPECT_EQ(reply.substr(0, 4), "5451");
    }
    { // Bytes that arrive after the reply was complete stay in the input while nothing is sent (a
      // frame awaiting nothing more than listening takes them), and are dropped before a frame.
        SimBench b;
        SimFault late = Fault(SimFault::Kind::LateAnswer, 3); // the 06
        late.delayMs = 100;
        b.radio.AddFault(late);
        ASSERT_EQ(PortTransceive(b.port, FRAME_PROGRAM, reply, 1, 200), LINK_OK);
        // Identity request and acknowledge in one write: the identity comes at once, the 06 later.
        EXPECT_EQ(PortTransceive(b.port, "0206", reply, 8, 300), LINK_OK);
        EXPECT_EQ(reply, "54513935313301"
                         "05");
        EXPECT_EQ(PortTransceive(b.port, "", reply, 1, 300), LINK_OK);
        EXPECT_EQ(reply, "06");

        SimFault surplus = Fault(SimFault::Kind::ExtraBytes, 1); // counted from here on
        surplus.bytes = {0x00, 0x00};
        b.radio.AddFault(surplus);
        b.port.SetPaced(true); // the surplus comes after the reply, byte by byte
        ASSERT_EQ(PortTransceive(b.port, FRAME_IDENTITY, reply, 8, 300), LINK_OK);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_EQ(b.port.BytesWaiting(), 2);
        EXPECT_EQ(PortTransceive(b.port, FRAME_ACK, reply, 1, 300), LINK_OK);
        EXPECT_EQ(reply, "06");
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
        EXPECT_FALSE(PortExchange(b.port, FRAME_PROGRAM, reply, 1, 100, FRAME_ACK, log, true, &last));
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
