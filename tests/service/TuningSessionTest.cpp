// Entering and leaving the radio's tuning mode: the frames the radio receives, the alignment block
// taken from it, and what each failure leaves the window with.
#include "TuningFixture.h"

#include "codeplug/HexText.h"
#include "link/Protocol.h"

TEST_F(TuningFixture, EnteringSendsTheConversationInOrderAndShowsItemZero)
{
    g_bServiceView = true;
    ASSERT_EQ(session.Enter(), TuningSession::EnterResult::Entered);
    EXPECT_EQ(radio.Frames(), EnteringFrames());
    EXPECT_TRUE(radio.ServiceCodeAccepted());
    EXPECT_TRUE(port.IsOpen()); // the conversation goes on with the items
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(ui.waitCursor);

    // The block is the radio's, byte for byte, and item 0 is on screen with its value and the receive
    // frequency of the middle test point.
    EXPECT_EQ(session.Block().Hex(), SampleAlignmentBlock());
    EXPECT_EQ(ui.view.item, 0);
    EXPECT_EQ(ui.view.name, "Battery voltage");
    EXPECT_EQ(ui.view.value, 0x60);
    EXPECT_TRUE(ui.view.showReceive);
    EXPECT_FALSE(ui.view.showTransmit);
    EXPECT_EQ(ui.view.receiveText, "435.00000");
    EXPECT_FALSE(ui.view.editing);
    EXPECT_TRUE(ui.view.listEnabled);
    EXPECT_FALSE(ui.view.ok || ui.view.cancel || ui.view.slider);
    // The service view logs every frame and reply.
    EXPECT_NE(ui.log.find("S:54455354\r\nR:06\r\n"), std::string::npos);
}

TEST_F(TuningFixture, RadioThatAsksNoServiceCodeOrEchoesNothingIsTunedAllTheSame)
{
    radio.SetReadAccessReply(0x00); // neither 06 nor 07: no code wanted
    radio.SetEchoHeader(false);
    radio.SetEchoTuning(false);
    ASSERT_EQ(session.Enter(), TuningSession::EnterResult::Entered);
    EXPECT_EQ(radio.Frames(), EnteringFrames(false));
    EXPECT_EQ(session.Block().Hex(), SampleAlignmentBlock());

    radio.ClearFrames();
    session.Select(7);
    session.StartEditing();
    session.Step(+1);
    session.Confirm();
    const int v = 0x60 + 4 * 7 + 1;
    EXPECT_EQ(radio.Frames(),
              (std::vector<std::string>{TsFrame(7, v - 1), TsFrame(7, v), SvFrame(7, v), TfFrame(7, v)}));
    EXPECT_EQ(StoredInRadio(7), v);
    EXPECT_FALSE(ui.view.editing);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TuningFixture, RadioOfAnotherModelIsRefusedWithNothingSent)
{
    radio.SetModelText("TQ951");
    EXPECT_EQ(session.Enter(), TuningSession::EnterResult::CloseDialog);
    EXPECT_EQ(ui.messages, std::vector<int>{3023});
    // Refused only on an identity the radio gave twice.
    EXPECT_EQ(radio.Frames(), (std::vector<std::string>{FRAME_PROGRAM, FRAME_IDENTITY, FRAME_IDENTITY}));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(ui.view.item, -1);

    // A build of a model outside the family does not look at the tag.
    g_strModel = "vpxq";
    radio.ClearFrames();
    ui.messages.clear();
    EXPECT_EQ(session.Enter(), TuningSession::EnterResult::Entered);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TuningFixture, FailuresWhileEnteringCloseTheWindowOrLeaveItWithNoItem)
{
    struct Case {
        const char* what;
        SimFault fault;
        TuningSession::EnterResult result;
        int text;
    };
    const Case cases[] = {
        {"no radio", TuningFault(SimFault::Kind::NoAnswer, "50"), TuningSession::EnterResult::CloseDialog,
         3009},
        {"identity", TuningFault(SimFault::Kind::NoAnswer, "02"), TuningSession::EnterResult::CloseDialog,
         3009},
        {"acknowledge", TuningFault(SimFault::Kind::WrongByte, "06"), TuningSession::EnterResult::CloseDialog,
         3009},
        {"access query", TuningFault(SimFault::Kind::NoAnswer, "10"), TuningSession::EnterResult::NoItem,
         3009},
        {"service code", TuningFault(SimFault::Kind::WrongByte, "53"), TuningSession::EnterResult::NoItem,
         3009},
        {"fifth block", TuningFault(SimFault::Kind::NoAnswer, "52", 5),
         TuningSession::EnterResult::CloseDialog, 3009},
        {"block acknowledge", TuningFault(SimFault::Kind::NoAnswer, "06", 4),
         TuningSession::EnterResult::CloseDialog, 3009},
        {"TEST", TuningFault(SimFault::Kind::WrongByte, "5445"), TuningSession::EnterResult::NoItem, 3009},
        {"line lost at the access query", TuningFault(SimFault::Kind::Drop, "10"),
         TuningSession::EnterResult::NoItem, 9602},
        {"line lost in the blocks", TuningFault(SimFault::Kind::Drop, "52", 3),
         TuningSession::EnterResult::CloseDialog, 9602},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TuningBench b;
        b.radio.AddFault(c.fault);
        SimulatedRadio& faulty = b.radio;
        RecordingTuningUi& window = b.ui;
        TuningSession& s = b.session;
        EXPECT_EQ(s.Enter(), c.result);
        EXPECT_EQ(window.messages, std::vector<int>{c.text}); // one message, nothing else
        EXPECT_FALSE(b.port.IsOpen());
        EXPECT_EQ(window.view.item, -1); // no item is shown
        EXPECT_FALSE(s.Entered());
        EXPECT_FALSE(window.waitCursor);
        // No frame after the failed step; the radio was never asked to enter its tuning mode unless
        // TEST itself failed.
        const std::vector<std::string>& frames = faulty.Frames();
        const bool testSent = std::find(frames.begin(), frames.end(), FRAME_TEST) != frames.end();
        EXPECT_EQ(testSent, std::string(c.what) == "TEST");
        // A window left open with no item cannot start an edit.
        s.StartEditing();
        EXPECT_FALSE(s.Editing());
    }
}

TEST_F(TuningFixture, PortThatCannotBeOpenedIsReportedWithItsReason)
{
    port.FailOpen("/dev/ttyUSB0: permission denied");
    EXPECT_EQ(session.Enter(), TuningSession::EnterResult::CloseDialog);
    EXPECT_EQ(ui.messages, std::vector<int>{3012});
    EXPECT_TRUE(radio.Frames().empty());
}

TEST_F(TuningFixture, EscapeWhileBrowsingLeavesTheTuningModeEvenFromASilentRadio)
{
    EnterAndForget();
    EXPECT_TRUE(session.KeyEscape()); // the window closes
    EXPECT_EQ(radio.Frames(), std::vector<std::string>{FRAME_CLOS});
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(ui.messages.empty());
    // The radio has left its tuning mode: it no longer answers ASK.
    std::string error;
    port.Open(error);
    std::string reply;
    EXPECT_EQ(PortTransceive(port, AskFrame(0), reply, 4, 50), LINK_TIMEOUT);

    // The same with a radio that has gone silent: CLOS is tried, and the window closes regardless.
    TuningBench silent;
    ASSERT_EQ(silent.session.Enter(), TuningSession::EnterResult::Entered);
    silent.radio.ClearFrames();
    silent.radio.AddFault(TuningFault(SimFault::Kind::NoAnswer, ""));
    EXPECT_TRUE(silent.session.KeyEscape());
    EXPECT_EQ(silent.radio.Frames(), std::vector<std::string>(3, FRAME_CLOS));
    EXPECT_FALSE(silent.port.IsOpen());
    EXPECT_EQ(silent.ui.messages, std::vector<int>{3009});
}

TEST_F(TuningFixture, CloseBoxRestoresTheSelectedItemThenLeaves)
{
    EnterAndForget();
    session.Select(3);
    session.CloseBox(); // no edit running: TF with the stored value all the same
    EXPECT_EQ(radio.Frames(), (std::vector<std::string>{TfFrame(3, 0x60 + 12), FRAME_CLOS}));
    EXPECT_FALSE(port.IsOpen());

    // While the live item polls: the poll stops, item 0 gets its stored value back.
    TuningBench polling;
    ASSERT_EQ(polling.session.Enter(), TuningSession::EnterResult::Entered);
    polling.session.StartEditing();
    polling.session.PollTick();
    polling.radio.ClearFrames();
    polling.session.CloseBox();
    EXPECT_FALSE(polling.session.Polling());
    EXPECT_GE(polling.ui.pollStops, 1);
    EXPECT_EQ(polling.radio.Frames(), (std::vector<std::string>{TfFrame(0, 0x60), FRAME_CLOS}));

    // With no item after a failed service code the port is closed already: nothing is sent.
    TuningBench refusing;
    refusing.radio.AddFault(TuningFault(SimFault::Kind::WrongByte, "53"));
    ASSERT_EQ(refusing.session.Enter(), TuningSession::EnterResult::NoItem);
    refusing.radio.ClearFrames();
    refusing.session.CloseBox();
    EXPECT_TRUE(refusing.radio.Frames().empty());
}
