// Tuning one item: the TS frames of every change, the value held within 0..255, confirm and cancel
// with their SV and TF frames, the live item's poll, the locked sensitivity items, and failures.
#include "TuningFixture.h"

#include "codeplug/HexText.h"
#include "link/Protocol.h"

namespace {
int Sample(int item) { return 0x60 + 4 * item; }
} // namespace

TEST_F(TuningFixture, StepsStopAtTheEndsOfTheRangeAndStillSendTheValue)
{
    std::string block = SampleAlignmentBlock();
    block.replace(2 * (40 + 3), 2, "FF");
    block.replace(2 * (40 + 4), 2, "00");
    radio.SetMemoryHex(radio.MemoryHex().replace(2 * 0x02A0, 128, block));
    EnterAndForget();

    session.Select(3);
    session.StartEditing();
    session.Step(+1);
    EXPECT_EQ(ui.view.value, 255);
    session.Cancel();
    session.Select(4);
    session.StartEditing();
    session.Step(-1);
    session.KeyArrow(-1); // Left/Up act as "-"
    EXPECT_EQ(ui.view.value, 0);
    EXPECT_EQ(radio.Frames(), (std::vector<std::string>{TsFrame(3, 255), TsFrame(3, 255), TfFrame(3, 255),
                                                        TsFrame(4, 0), TsFrame(4, 0), TsFrame(4, 0)}));
}

TEST_F(TuningFixture, CancelRestoresTheValueReadAtEntryNotTheLastOneTried)
{
    EnterAndForget();
    session.Select(2);
    session.KeyEnter(); // starts the edit: TS with the stored value at once
    EXPECT_TRUE(ui.view.editing);
    EXPECT_FALSE(ui.view.listEnabled);
    EXPECT_TRUE(ui.view.ok && ui.view.cancel && ui.view.slider && ui.view.minus && ui.view.plus);
    session.Step(+1);
    session.KeyArrow(+1); // Right/Down act as "+"
    session.SetValue(200);
    EXPECT_EQ(ui.view.value, 200);
    EXPECT_EQ(radio.ItemValue(2), 200); // the radio works with the value tried
    session.Select(9);                  // the list is disabled while editing: nothing changes
    EXPECT_EQ(ui.view.item, 2);

    EXPECT_FALSE(session.KeyEscape()); // Escape while editing cancels, the window stays
    EXPECT_EQ(radio.Frames(),
              (std::vector<std::string>{TsFrame(2, Sample(2)), TsFrame(2, Sample(2) + 1),
                                        TsFrame(2, Sample(2) + 2), TsFrame(2, 200), TfFrame(2, Sample(2))}));
    EXPECT_EQ(ui.view.value, Sample(2));
    EXPECT_EQ(radio.ItemValue(2), Sample(2));
    EXPECT_EQ(StoredInRadio(2), Sample(2)); // nothing stored
    EXPECT_EQ(session.Block().ItemValue(2), Sample(2));
    EXPECT_FALSE(ui.view.editing);
    EXPECT_TRUE(ui.view.listEnabled);
    EXPECT_FALSE(ui.view.ok || ui.view.cancel || ui.view.slider || ui.view.minus || ui.view.plus);
}

TEST_F(TuningFixture, ConfirmStoresTheValueWithSvThenTf)
{
    EnterAndForget();
    session.Select(9);
    session.StartEditing();
    session.Step(-1);
    session.Step(-1);
    session.KeyEnter(); // Enter while editing confirms
    const int v = Sample(9) - 2;
    EXPECT_EQ(radio.Frames(), (std::vector<std::string>{TsFrame(9, Sample(9)), TsFrame(9, v + 1),
                                                        TsFrame(9, v), SvFrame(9, v), TfFrame(9, v)}));
    EXPECT_EQ(StoredInRadio(9), v);
    EXPECT_EQ(session.Block().ItemValue(9), v);
    EXPECT_EQ(ui.view.value, v);
    EXPECT_FALSE(ui.view.editing);

    // A later cancel on the same item goes back to the confirmed value.
    radio.ClearFrames();
    session.StartEditing();
    session.Step(+1);
    session.Cancel();
    EXPECT_EQ(LastFrame(), TfFrame(9, v));
    // The rest of the block is as the radio gave it.
    std::string expected = SampleAlignmentBlock();
    expected.replace(2 * (40 + 9), 2, IntToHex(v, 1));
    EXPECT_EQ(session.Block().Hex(), expected);
}

TEST_F(TuningFixture, LiveItemIsPolledWhileEditingAndCannotBeSet)
{
    EnterAndForget();
    session.StartEditing(); // item 0
    EXPECT_EQ(ui.pollStarts, std::vector<int>{900});
    EXPECT_TRUE(radio.Frames().empty()); // nothing is sent before the first tick
    EXPECT_TRUE(ui.view.cancel && ui.view.ok);
    EXPECT_FALSE(ui.view.minus || ui.view.plus || ui.view.slider);

    // The radio's reading changes; each tick shows the reply's last byte and asks for the next tick.
    radio.SetMemoryHex(radio.MemoryHex().replace(2 * (0x02A0 + 40), 2, "9C"));
    session.PollTick();
    EXPECT_EQ(ui.view.value, 0x9C);
    EXPECT_EQ(ui.pollStarts, (std::vector<int>{900, 900}));
    session.Step(+1);     // "+" is off for the live item
    session.SetValue(10); // and so is the slider
    session.KeyArrow(+1);
    EXPECT_EQ(radio.Frames(), std::vector<std::string>{AskFrame(0)});
    EXPECT_EQ(ui.view.value, 0x9C);

    // Confirm stores the reading shown and ends the poll.
    session.Confirm();
    EXPECT_FALSE(session.Polling());
    EXPECT_EQ(radio.Frames(), (std::vector<std::string>{AskFrame(0), SvFrame(0, 0x9C), TfFrame(0, 0x9C)}));
    session.PollTick(); // a tick that was already due does nothing once the poll has stopped
    EXPECT_EQ(radio.Frames().size(), 3u);
}

TEST_F(TuningFixture, FailureWhileEditingStopsThePollAndKeepsTheEdit)
{
    EnterAndForget();
    session.StartEditing();
    session.PollTick();
    radio.AddFault(TuningFault(SimFault::Kind::NoAnswer, "41534B"));
    session.PollTick();
    EXPECT_FALSE(session.Polling());
    EXPECT_EQ(ui.pollStarts.size(), 2u); // no further tick asked for
    EXPECT_GE(ui.pollStops, 1);
    EXPECT_EQ(ui.messages, std::vector<int>{3009});
    EXPECT_TRUE(ui.view.editing); // the window stays in its state
    EXPECT_FALSE(port.IsOpen());

    // A TS that fails leaves the value shown where the radio has it.
    TuningBench b;
    ASSERT_EQ(b.session.Enter(), TuningSession::EnterResult::Entered);
    b.session.Select(5);
    b.session.StartEditing();
    b.radio.AddFault(TuningFault(SimFault::Kind::NoAnswer, "5453"));
    b.session.SetValue(17);
    EXPECT_EQ(b.ui.view.value, Sample(5)); // the slider goes back
    EXPECT_TRUE(b.ui.view.editing);
    EXPECT_EQ(b.ui.messages, std::vector<int>{3009});
}

TEST_F(TuningFixture, SensitivityItemsShowTheNoteAndAreLockedFromRadioTypeThree)
{
    EnterAndForget();
    session.Select(17);
    EXPECT_TRUE(ui.view.noteVisible);
    EXPECT_TRUE(ui.view.showReceive);
    EXPECT_EQ(ui.view.receiveText, "417.50000"); // P2's receive frequency
    session.StartEditing();
    EXPECT_TRUE(ui.view.cancel);
    EXPECT_FALSE(ui.view.ok || ui.view.slider || ui.view.minus || ui.view.plus);
    session.Step(+1);
    session.SetValue(3);
    session.KeyArrow(+1);
    session.KeyEnter(); // OK is off: Enter does not store
    EXPECT_EQ(radio.Frames(), std::vector<std::string>{TsFrame(17, Sample(17))});
    session.Cancel(); // only Cancel works
    EXPECT_EQ(LastFrame(), TfFrame(17, Sample(17)));
    EXPECT_FALSE(ui.view.editing);

    // Below radio type 3 they are tuned like the others; the arrows still do nothing while the note shows.
    g_nRadioType = 2;
    radio.ClearFrames();
    session.StartEditing();
    EXPECT_TRUE(ui.view.ok && ui.view.slider && ui.view.minus && ui.view.plus);
    session.KeyArrow(+1);
    session.Step(+1);
    session.Confirm();
    EXPECT_EQ(radio.Frames(),
              (std::vector<std::string>{TsFrame(17, Sample(17)), TsFrame(17, Sample(17) + 1),
                                        SvFrame(17, Sample(17) + 1), TfFrame(17, Sample(17) + 1)}));
}

TEST_F(TuningFixture, InspectionItemsKeepThePreviousItemOnScreenAndCannotBeEdited)
{
    EnterAndForget();
    session.Select(6);
    const TuningView before = ui.view;
    for (int item = 12; item <= 15; ++item) {
        session.Select(item);
        EXPECT_EQ(session.SelectedItem(), item);
        EXPECT_EQ(ui.view.item, 6);
        EXPECT_EQ(ui.view.name, before.name);
        EXPECT_EQ(ui.view.value, before.value);
        EXPECT_EQ(ui.view.transmitText, before.transmitText);
        session.KeyEnter();
        EXPECT_FALSE(session.Editing());
    }
    EXPECT_TRUE(radio.Frames().empty());
}

TEST_F(TuningFixture, ShiftedReplyToAnEchoedAskIsAskedForAgain)
{
    // Bytes still arriving after one reply land in front of the next: the echoed ASK reply that does
    // not start with "AS" and the item is not the radio's answer, and its last byte is not shown.
    port.SetPaced(true);
    EnterAndForget();
    session.StartEditing();
    SimFault extra = Fault(SimFault::Kind::ExtraBytes, "41534B", 1, 1);
    extra.bytes = std::vector<std::uint8_t>(12, 0x00);
    radio.AddFault(extra);
    session.PollTick();
    EXPECT_EQ(ui.view.value, Sample(0));
    session.PollTick(); // its reply would begin with the twelve stray bytes
    EXPECT_EQ(ui.view.value, Sample(0));
    EXPECT_TRUE(session.Polling());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(radio.Frames(), (std::vector<std::string>(3, AskFrame(0))));
}
