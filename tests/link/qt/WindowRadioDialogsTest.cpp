// The read and write windows against the simulated radio: what the user sees (messages, progress,
// log, buttons, auto-close) and what ends up in the image and in the radio.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QTableWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/qt/CMainFrm.h"
#include "link/SimulatedPort.h"
#include "link/SimulatedRadio.h"
#include "link/qt/ReadDialog.h"
#include "link/qt/WriteDialog.h"
#include "tests/app/qt/WindowTestEnv.h"

namespace {

std::unique_ptr<SerialPort> PortTo(SimulatedRadio& radio) { return std::make_unique<SimulatedPort>(radio); }

// A code plug in the radio that differs from the new one in memory: channel 1 on 433.025 MHz.
std::string RadioImage()
{
    CodePlug plug(BuildBandImage("33"));
    plug.Write(0x0010, "00253043");
    return plug.Text();
}

int CountOf(const QString& text, const QString& what) { return text.count(what); }

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A read window that notes the cursor each time the log changes.
class CursorWatchingReadDialog : public ReadDialog {
public:
    using ReadDialog::ReadDialog;
    std::vector<Qt::CursorShape> cursors;
    void ShowLog(const std::string& text) override
    {
        const QCursor* cursor = QApplication::overrideCursor();
        cursors.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
        ReadDialog::ShowLog(text);
    }
};

} // namespace

TEST(ReadDialogTest, ReadsTheRadioIntoTheImage)
{
    WindowTestEnv env;
    env.Touch(kMarkerServiceUnlock); // service view: the log is shown
    CMainFrame* frame = env.Start();
    g_strComPort = "simulator";
    SimulatedRadio& radio = SharedSimulatedRadio();
    radio.Reset();
    radio.SetMemoryHex(RadioImage());
    g_band.lower = 136; // a stale title that the read must replace
    frame->RefreshTitle();

    ReadDialog dialog(frame); // the port the program makes for the current port name
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), LangText(3017));
    EXPECT_EQ(dialog.StartButton()->text(), LangText(3004));
    EXPECT_FALSE(dialog.TestButton()->isVisible());
    EXPECT_GT(dialog.height(), 110);

    // While "read finished" is on screen the page already shows the radio's channel 1 and the title
    // its band.
    QString channelOneAtMessage, titleAtMessage;
    WhenBoxShows([&](QMessageBox* box) {
        channelOneAtMessage = g_pMainView->ChannelTable()->item(1, 1)->text().trimmed();
        titleAtMessage = frame->windowTitle();
        box->buttons().constFirst()->click();
    });
    dialog.StartButton()->click();
    MsgBox::SetNonInteractive(true);

    EXPECT_TRUE(dialog.LastResult().Succeeded());
    EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(3007));
    EXPECT_EQ(channelOneAtMessage, QStringLiteral("433.02500"));
    EXPECT_EQ(titleAtMessage, QStringLiteral("VPXE+ V1.03    [UHF:400-470MHz]"));
    EXPECT_EQ(g_doc.image.Text(), RadioImage());
    EXPECT_TRUE(g_doc.fromRadio);
    EXPECT_FALSE(g_doc.IsModified()); // nothing unsaved after a read
    EXPECT_TRUE(g_doc.path.empty());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("VPXE+ V1.03    [UHF:400-470MHz]"));
    EXPECT_EQ(dialog.Progress()->value(), 16);
    EXPECT_EQ(CountOf(dialog.LogView()->toPlainText(), QStringLiteral("S:52")), 16);
    EXPECT_TRUE(dialog.StartButton()->isEnabled());
    EXPECT_TRUE(dialog.isVisible()); // auto-close is off

    // Closing by the close box stores the box.
    dialog.close();
    EXPECT_EQ(env.Setting("option", "auto_close_rw_window"), "no");
}

TEST(ReadDialogTest, FailuresLeaveTheImageAndRetriesAreLogged)
{
    WindowTestEnv env;
    env.Touch(kMarkerServiceUnlock);
    env.Start();
    const std::string before = g_doc.image.Text();
    {
        // No answer at all: 3006, image untouched, the window stays open.
        SimulatedRadio radio;
        radio.AddFault({SimFault::Kind::NoAnswer, 1, 0, "", 0, 0x15, {}, {}});
        ReadDialog dialog(nullptr, PortTo(radio));
        dialog.AutoCloseBox()->setChecked(true);
        dialog.show();
        dialog.StartTransfer();
        EXPECT_EQ(dialog.LastResult().status, TransferStatus::NoRadio);
        EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(3006));
        EXPECT_EQ(g_doc.image.Text(), before);
        EXPECT_FALSE(g_doc.fromRadio);
        EXPECT_TRUE(dialog.isVisible()); // auto-close only after success
    }
    {
        // The first block request goes unanswered once: the read completes, the log shows it twice.
        SimulatedRadio radio;
        radio.SetMemoryHex(RadioImage());
        radio.AddFault({SimFault::Kind::NoAnswer, 1, 1, "52", 0, 0x15, {}, {}});
        ReadDialog dialog(nullptr, PortTo(radio));
        dialog.show();
        dialog.StartTransfer();
        EXPECT_TRUE(dialog.LastResult().Succeeded());
        EXPECT_EQ(CountOf(dialog.LogView()->toPlainText(), QStringLiteral("S:520000")), 2);
        EXPECT_EQ(g_doc.image.Text(), RadioImage());
    }
}

TEST(ReadDialogTest, RepaintsAfterEachBlockUnderTheWaitCursor)
{
    WindowTestEnv env;
    env.Touch(kMarkerServiceUnlock);
    env.Start();
    SimulatedRadio radio;
    radio.SetMemoryHex(RadioImage());
    CursorWatchingReadDialog dialog(nullptr, PortTo(radio));
    dialog.show();
    QCoreApplication::processEvents();
    PaintCounter progressPaints(dialog.Progress());
    PaintCounter logPaints(dialog.LogView()->viewport());

    // The transfer holds the event loop: only the forced repaints reach the screen, one per block at
    // least for the progress bar and for the log.
    dialog.StartTransfer();
    ASSERT_TRUE(dialog.LastResult().Succeeded());
    EXPECT_GE(progressPaints.paints, 16);
    EXPECT_GE(logPaints.paints, 16);

    // The wait cursor stands while the blocks go and is gone afterwards.
    ASSERT_FALSE(dialog.cursors.empty());
    for (Qt::CursorShape shape : dialog.cursors)
        EXPECT_EQ(shape, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Also after a radio that never answers; and the message box itself has the normal cursor.
    SimulatedRadio silent;
    silent.AddFault({SimFault::Kind::NoAnswer, 1, 0, "", 0, 0x15, {}, {}});
    CursorWatchingReadDialog failing(nullptr, PortTo(silent));
    bool waitDuringMessage = true;
    WhenBoxShows([&](QMessageBox* box) {
        waitDuringMessage = QApplication::overrideCursor() != nullptr &&
                            QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        box->buttons().constFirst()->click();
    });
    failing.StartTransfer();
    MsgBox::SetNonInteractive(true);
    EXPECT_EQ(failing.LastResult().textNumber, 3006);
    EXPECT_FALSE(waitDuringMessage);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(ReadDialogTest, ShrinksWithoutServiceViewAndKeysBehave)
{
    WindowTestEnv env;
    env.Settings("[option]\nauto_close_rw_window=yes\n");
    env.Start();
    SimulatedRadio radio;
    ReadDialog dialog(nullptr, PortTo(radio));
    dialog.show();
    EXPECT_EQ(dialog.height(), 110);
    EXPECT_TRUE(dialog.AutoCloseBox()->isChecked());
    EXPECT_GE(dialog.AutoCloseBox()->y(), 110); // below the visible part
    EXPECT_GE(dialog.LogView()->y(), 110);

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()); // Escape does not close

    // Enter reads; with auto-close set the window closes by itself and does not store the box.
    env.Settings("[option]\nauto_close_rw_window=untouched\n");
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_TRUE(dialog.LastResult().Succeeded());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(env.Setting("option", "auto_close_rw_window"), "untouched");
}

TEST(ReadDialogTest, ReadTwiceBoxInTheServiceArea)
{
    WindowTestEnv env;
    env.Touch(kMarkerServiceUnlock);
    env.Start();
    SimulatedRadio radio;
    radio.SetMemoryHex(RadioImage());
    ReadDialog dialog(nullptr, PortTo(radio));
    dialog.show();
    QCheckBox* twice = dialog.ReadTwiceBox();
    EXPECT_EQ(twice->text(), LangText(9501));
    EXPECT_FALSE(twice->isChecked());
    EXPECT_GE(twice->y(), 110); // in the service area, between the auto-close box and the log
    EXPECT_GT(twice->y(), dialog.AutoCloseBox()->y());
    EXPECT_GE(dialog.LogView()->y(), twice->geometry().bottom());
    EXPECT_LE(dialog.LogView()->geometry().bottom(), dialog.height());

    // Checked: two whole reads, the progress bar over both, one success message.
    twice->setChecked(true);
    MsgBox::ShownTexts().clear();
    dialog.StartTransfer();
    EXPECT_TRUE(dialog.LastResult().Succeeded());
    EXPECT_EQ(radio.Frames().size(), 70u);
    EXPECT_EQ(dialog.Progress()->maximum(), 32);
    EXPECT_EQ(g_doc.image.Text(), RadioImage());
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(3007)});
}

TEST(WriteDialogTest, WritesTheImageIntoTheRadio)
{
    WindowTestEnv env;
    env.Touch(kMarkerServiceUnlock);
    env.Start();
    g_doc.image.SetText(RadioImage());
    SimulatedRadio radio;
    WriteDialog dialog(nullptr, PortTo(radio));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), LangText(3018));
    EXPECT_EQ(dialog.StartButton()->text(), LangText(3005));
    EXPECT_TRUE(dialog.TestButton()->isVisible());
    dialog.StartButton()->click();

    EXPECT_TRUE(dialog.LastResult().Succeeded());
    EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(3014));
    EXPECT_EQ(radio.MemoryHex().substr(0, 0x180 * 2), RadioImage().substr(0, 0x180 * 2));
    EXPECT_EQ(CountOf(dialog.LogView()->toPlainText(), QStringLiteral("S:57")), 45);
    EXPECT_EQ(dialog.Progress()->maximum(), 52);
    EXPECT_TRUE(dialog.BandCheck());
    EXPECT_TRUE(dialog.StartButton()->isEnabled());

    // The dry run logs the frames of 8 bytes (the alignment block's left out) and sends nothing.
    radio.ClearFrames();
    dialog.TestButton()->click();
    EXPECT_TRUE(radio.Frames().empty());
    EXPECT_EQ(dialog.Progress()->maximum(), 123);
    EXPECT_EQ(dialog.Progress()->value(), 123);

    // Enter on the focused Test button is the dry run too, not a write into the radio.
    dialog.Progress()->reset();
    QApplication::setActiveWindow(&dialog);
    dialog.TestButton()->setFocus();
    ASSERT_TRUE(dialog.TestButton()->hasFocus());
    QTest::keyClick(dialog.TestButton(), Qt::Key_Return);
    EXPECT_TRUE(radio.Frames().empty());
    EXPECT_EQ(dialog.Progress()->value(), 123);
}

TEST(WriteDialogTest, BandMismatchNeedsTheMarkerAndConsent)
{
    const std::string radioBefore = [] {
        SimulatedRadio radio;
        return radio.MemoryHex();
    }();
    {
        // No marker: 3022 and nothing written.
        WindowTestEnv env;
        env.Start();
        g_doc.image.SetText(RadioImage());
        SimulatedRadio radio;
        radio.SetBandCode(0x34);
        WriteDialog dialog(nullptr, PortTo(radio));
        dialog.StartTransfer();
        EXPECT_EQ(dialog.LastResult().status, TransferStatus::BandMismatch);
        EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(3022));
        EXPECT_EQ(radio.MemoryHex(), radioBefore);
    }
    {
        // Marker present, the user says No: nothing written.
        WindowTestEnv env;
        env.Touch(kMarkerCrossBandWrite);
        env.Start();
        g_doc.image.SetText(RadioImage());
        SimulatedRadio radio;
        radio.SetBandCode(0x34);
        WriteDialog dialog(nullptr, PortTo(radio));
        MsgBox::SetNextAnswer(QMessageBox::No);
        dialog.StartTransfer();
        EXPECT_EQ(MsgBox::ShownTexts().first(), LangText(3019));
        EXPECT_FALSE(dialog.LastResult().Succeeded());
        EXPECT_EQ(radio.MemoryHex(), radioBefore);

        // Yes: the write runs again without the band check and completes; the check is back on.
        MsgBox::ClearAnswers();
        MsgBox::SetNextAnswer(QMessageBox::Yes);
        dialog.StartTransfer();
        EXPECT_TRUE(dialog.LastResult().Succeeded());
        EXPECT_TRUE(dialog.BandCheck());
        EXPECT_EQ(radio.MemoryHex().substr(0, 0x180 * 2), RadioImage().substr(0, 0x180 * 2));
    }
    {
        // A radio that does not answer: 3006, nothing written.
        WindowTestEnv env;
        env.Start();
        SimulatedRadio radio;
        radio.AddFault({SimFault::Kind::NoAnswer, 1, 0, "", 0, 0x15, {}, {}});
        WriteDialog dialog(nullptr, PortTo(radio));
        dialog.StartTransfer();
        EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(3006));
        EXPECT_EQ(radio.MemoryHex(), radioBefore);
    }
}
