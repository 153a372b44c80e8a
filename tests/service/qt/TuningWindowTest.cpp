// The tuning window through its widgets against the simulated radio: what the technician sees and
// what reaches the radio when keys are pressed and controls are used; and Ctrl+M in the main window.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <algorithm>
#include <functional>

#include "app/CommandIds.h"
#include "codeplug/ModelCatalogue.h"
#include "link/Protocol.h"
#include "link/SimulatedPort.h"
#include "service/TuningItems.h"
#include "service/TuningSession.h"
#include "service/qt/TuningDialog.h"
#include "tests/app/qt/WindowTestEnv.h"
#include "tests/service/TuningTestSupport.h"

namespace {

// Lets the event loop run until done() holds (at most ms); the result of done() then.
bool WaitUntil(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QTest::qWait(10);
    return done();
}

int Sample(int item) { return 0x60 + 4 * item; }

bool Sent(const SimulatedRadio& radio, const std::string& frame)
{
    return std::find(radio.Frames().begin(), radio.Frames().end(), frame) != radio.Frames().end();
}

// The tuning window on its own simulated radio, shown and in the tuning mode.
class TuningWindow {
public:
    explicit TuningWindow(bool serviceView = true)
    {
        g_bServiceView = serviceView;
        PrepareTuningRadio(radio);
        dialog = std::make_unique<TuningDialog>(nullptr, std::make_unique<SimulatedPort>(radio));
        dialog->show();
        entered = WaitUntil([this] { return dialog->Session().Entered(); });
        radio.ClearFrames();
    }
    ~TuningWindow() { g_bServiceView = false; }

    QListWidget* List() const { return dialog->ItemList(); }
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    SimulatedRadio radio;
    std::unique_ptr<TuningDialog> dialog;
    bool entered = false;
};

} // namespace

TEST(TuningWindowTest, InspectionItemsKeepThePreviousItemAndIgnoreEnter)
{
    WindowTestEnv env;
    TuningWindow w;
    ASSERT_TRUE(w.entered);
    EXPECT_EQ(w.List()->count(), kTuningItems);
    EXPECT_EQ(w.List()->currentRow(), 0);
    EXPECT_TRUE(w.List()->hasFocus());
    EXPECT_EQ(w.dialog->windowTitle(), LangText(6826));

    w.List()->setCurrentRow(5);
    EXPECT_EQ(w.dialog->NameLabel()->text(), QString::fromStdString(TuningItemName(5)));
    EXPECT_EQ(w.dialog->ValueLabel()->text(), QString::number(Sample(5)));
    EXPECT_EQ(w.dialog->TransmitValue()->text(), QStringLiteral("452.52500")); // P4
    EXPECT_TRUE(w.dialog->TransmitValue()->isVisible());
    EXPECT_FALSE(w.dialog->ReceiveValue()->isVisible());
    EXPECT_FALSE(w.dialog->Note()->isVisible());

    for (int item = 12; item <= 15; ++item) {
        w.List()->setCurrentRow(item);
        w.Key(Qt::Key_Return);
        EXPECT_EQ(w.dialog->NameLabel()->text(), QString::fromStdString(TuningItemName(5)));
        EXPECT_EQ(w.dialog->ValueLabel()->text(), QString::number(Sample(5)));
        EXPECT_EQ(w.dialog->Slider()->value(), Sample(5));
        EXPECT_FALSE(w.dialog->CancelButton()->isEnabled());
        EXPECT_TRUE(w.List()->isEnabled());
        // Shown in a colour of their own.
        EXPECT_NE(w.List()->item(item)->foreground().color(), w.List()->item(5)->foreground().color());
    }
    EXPECT_TRUE(w.radio.Frames().empty());
}

TEST(TuningWindowTest, SensitivityItemsShowTheNoteAndOnlyCancelWorksAtRadioTypeThree)
{
    WindowTestEnv env;
    g_nRadioType = 3;
    TuningWindow w;
    ASSERT_TRUE(w.entered);
    w.List()->setCurrentRow(18);
    EXPECT_TRUE(w.dialog->Note()->isVisible());
    EXPECT_EQ(w.dialog->Note()->text(), LangText(6845));
    EXPECT_TRUE(w.dialog->ReceiveValue()->isVisible());
    EXPECT_EQ(w.dialog->ReceiveValue()->text(), QStringLiteral("435.00000")); // P3
    EXPECT_FALSE(w.dialog->TransmitValue()->isVisible());

    w.Key(Qt::Key_Return);
    EXPECT_TRUE(w.dialog->CancelButton()->isEnabled());
    EXPECT_FALSE(w.dialog->OkButton()->isEnabled());
    EXPECT_FALSE(w.dialog->Slider()->isEnabled());
    EXPECT_FALSE(w.dialog->MinusButton()->isEnabled());
    EXPECT_FALSE(w.dialog->PlusButton()->isEnabled());
    EXPECT_FALSE(w.List()->isEnabled());
    w.Key(Qt::Key_Right);
    w.Key(Qt::Key_Return);
    EXPECT_EQ(w.radio.Frames(), std::vector<std::string>{TsFrame(18, Sample(18))});

    QTest::mouseClick(w.dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(w.radio.Frames().back(), TfFrame(18, Sample(18)));
    EXPECT_FALSE(w.dialog->CancelButton()->isEnabled());
    EXPECT_TRUE(w.List()->isEnabled());
    EXPECT_TRUE(w.List()->hasFocus());
}

TEST(TuningWindowTest, EditingWithSliderButtonsAndKeys)
{
    WindowTestEnv env;
    TuningWindow w;
    ASSERT_TRUE(w.entered);
    w.List()->setCurrentRow(2);
    w.Key(Qt::Key_Return); // editing on
    EXPECT_TRUE(w.dialog->OkButton()->isEnabled() && w.dialog->PlusButton()->isEnabled());
    QTest::mouseClick(w.dialog->PlusButton(), Qt::LeftButton);
    QTest::mouseClick(w.dialog->PlusButton(), Qt::LeftButton);
    w.Key(Qt::Key_Up); // Up acts as "-"
    w.dialog->Slider()->setValue(150);
    EXPECT_EQ(w.dialog->ValueLabel()->text(), QStringLiteral("150"));
    const int s = Sample(2);
    EXPECT_EQ(w.radio.Frames(), (std::vector<std::string>{TsFrame(2, s), TsFrame(2, s + 1), TsFrame(2, s + 2),
                                                          TsFrame(2, s + 1), TsFrame(2, 150)}));

    w.Key(Qt::Key_Escape); // cancels: the value read at entry goes back
    EXPECT_EQ(w.radio.Frames().back(), TfFrame(2, s));
    EXPECT_EQ(w.dialog->ValueLabel()->text(), QString::number(s));
    EXPECT_EQ(w.dialog->Slider()->value(), s);
    EXPECT_TRUE(w.dialog->isVisible());

    w.Key(Qt::Key_Return);
    w.Key(Qt::Key_Down); // "+"
    QTest::mouseClick(w.dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(w.radio.ItemValue(2), s + 1);
    EXPECT_EQ(w.radio.MemoryByte(0x02A0 + 40 + 2), s + 1);
    EXPECT_TRUE(w.List()->isEnabled());

    w.Key(Qt::Key_Escape); // browsing: leaves the tuning mode and closes the window
    EXPECT_EQ(w.radio.Frames().back(), FRAME_CLOS);
    EXPECT_FALSE(w.dialog->isVisible());
}

TEST(TuningWindowTest, LiveItemIsPolledByTheTimerAndTheCloseBoxEndsIt)
{
    WindowTestEnv env;
    TuningWindow w;
    ASSERT_TRUE(w.entered);
    w.Key(Qt::Key_Return); // item 0
    EXPECT_TRUE(w.dialog->PollTimerActive());
    EXPECT_FALSE(w.dialog->PlusButton()->isEnabled());
    w.radio.SetMemoryHex(w.radio.MemoryHex().replace(2 * (0x02A0 + 40), 2, "A7"));
    ASSERT_TRUE(WaitUntil([&] { return w.dialog->ValueLabel()->text() == QStringLiteral("167"); }));
    EXPECT_TRUE(Sent(w.radio, AskFrame(0)));
    EXPECT_TRUE(w.dialog->PollTimerActive()); // the next tick is on its way

    w.radio.ClearFrames();
    w.dialog->close();
    EXPECT_FALSE(w.dialog->PollTimerActive());
    EXPECT_EQ(w.radio.Frames(), (std::vector<std::string>{TfFrame(0, Sample(0)), FRAME_CLOS}));
    EXPECT_FALSE(w.dialog->isVisible());
}

TEST(TuningWindowTest, WithoutTheServiceViewTheLogIsOutOfView)
{
    WindowTestEnv env;
    {
        TuningWindow w(false);
        ASSERT_TRUE(w.entered);
        EXPECT_EQ(w.dialog->width(), TuningDialog::kFullWidth - TuningDialog::kLogWidth);
        EXPECT_GE(w.dialog->LogView()->geometry().left(), w.dialog->width());
        EXPECT_LE(w.dialog->CancelButton()->geometry().right(), w.dialog->width());
        EXPECT_LE(w.dialog->Note()->geometry().right(), w.dialog->width());
        EXPECT_TRUE(w.dialog->LogView()->toPlainText().isEmpty()); // nothing is logged either
    }
    TuningWindow w(true);
    ASSERT_TRUE(w.entered);
    EXPECT_EQ(w.dialog->width(), TuningDialog::kFullWidth);
    EXPECT_LE(w.dialog->LogView()->geometry().right(), w.dialog->width());
    EXPECT_TRUE(w.dialog->LogView()->toPlainText().contains(QStringLiteral("S:54455354")));
}

TEST(TuningWindowTest, RadioOfAnotherModelClosesTheWindowWithAMessage)
{
    WindowTestEnv env;
    SimulatedRadio radio;
    radio.SetModelText("TQ951");
    TuningDialog dialog(nullptr, std::make_unique<SimulatedPort>(radio));
    dialog.show();
    ASSERT_TRUE(WaitUntil([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(3023)});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the wait cursor is gone
}

TEST(TuningWindowTest, CtrlMOpensTheTuningWindowWithTheServiceFunctionsLocked)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    ASSERT_FALSE(g_bTestEnabled);
    g_strComPort = "simulator";
    SimulatedRadio& radio = SharedSimulatedRadio();
    radio.Reset();
    PrepareTuningRadio(radio);

    QString title;
    bool entered = false;
    QTimer::singleShot(0, [&] {
        WaitUntil([&] { return qobject_cast<TuningDialog*>(QApplication::activeModalWidget()) != nullptr; });
        auto* dialog = qobject_cast<TuningDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        entered = WaitUntil([&] { return dialog->Session().Entered(); });
        title = dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    frame->Action(cmd::kTestMode)->trigger(); // Ctrl+M: returns when the window has closed
    EXPECT_TRUE(entered);
    EXPECT_EQ(title, LangText(6826));
    EXPECT_TRUE(Sent(radio, FRAME_TEST));
    EXPECT_EQ(radio.Frames().back(), FRAME_CLOS);
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());
    radio.Reset();
}
