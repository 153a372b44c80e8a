// The read window guards the code plug in memory: a read that would replace unsaved edits asks first
// and sends nothing when cancelled. A failed transfer leaves no full progress bar behind, and its
// message box warns, with room for the caption.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QProgressBar>
#include <QPushButton>

#include "app/qt/ui/FileDialogs.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "link/SimulatedPort.h"
#include "link/SimulatedRadio.h"
#include "link/qt/ReadDialog.h"
#include "link/qt/WriteDialog.h"
#include "tests/app/qt/WindowTestEnv.h"

namespace {

// The radio's code plug: channel 1 on 433.025 MHz, unlike a new one.
std::string RadioImage()
{
    CodePlug plug(BuildBandImage("33"));
    plug.Write(0x0010, "00253043");
    return plug.Text();
}

QString Prompt() { return LangText(90026) + QStringLiteral(" ") + LangText(2004); }

} // namespace

TEST(ReadDialogTest, AsksAboutUnsavedEditsBeforeSendingAnything)
{
    WindowTestEnv env;
    env.Start();
    SimulatedRadio radio;
    radio.SetMemoryHex(RadioImage());
    ReadDialog dialog(nullptr, std::make_unique<SimulatedPort>(radio));
    dialog.show();
    ASSERT_TRUE(g_doc.image.WriteByte(0x20, 0x77));
    const std::string edited = g_doc.image.Text();

    // Cancel: the radio hears nothing and the edit stays.
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    dialog.StartButton()->click();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{Prompt()});
    EXPECT_TRUE(radio.Frames().empty());
    EXPECT_EQ(g_doc.image.Text(), edited);
    EXPECT_TRUE(dialog.StartButton()->isEnabled());

    // Yes, then Cancel in the Save dialog: nothing saved, nothing read.
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    SetNextFileDialogResult(QString());
    dialog.StartButton()->click();
    EXPECT_TRUE(radio.Frames().empty());
    EXPECT_EQ(g_doc.image.Text(), edited);

    // Yes with a file name: the edit is saved, then the radio is read.
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    SetNextFileDialogResult(env.Path(QStringLiteral("before-read.dat")));
    dialog.StartButton()->click();
    EXPECT_EQ(env.Get(QStringLiteral("before-read.dat")), QByteArray::fromStdString(edited));
    EXPECT_FALSE(radio.Frames().empty());
    EXPECT_EQ(g_doc.image.Text(), RadioImage());
    EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(3007));

    // A code plug just read and not edited is still in the radio: the next read asks nothing.
    MsgBox::ClearAnswers();
    radio.ClearFrames();
    dialog.StartButton()->click();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(3007)});
    EXPECT_FALSE(radio.Frames().empty());

    // Edited after the read: the radio's own question (text 2002); No reads over the edit.
    ASSERT_TRUE(g_doc.image.WriteByte(0x20, 0x55));
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::No);
    dialog.StartButton()->click();
    EXPECT_EQ(MsgBox::ShownTexts().first(), LangText(2002));
    EXPECT_EQ(g_doc.image.Text(), RadioImage());
}

TEST(TransferWindows, AFailedTransferLeavesNoFullProgressBar)
{
    WindowTestEnv env;
    env.Start();
    {
        // After a read that succeeded the bar stays full.
        SimulatedRadio radio;
        ReadDialog dialog(nullptr, std::make_unique<SimulatedPort>(radio));
        dialog.show();
        dialog.StartTransfer();
        ASSERT_TRUE(dialog.LastResult().Succeeded());
        EXPECT_EQ(dialog.Progress()->value(), dialog.Progress()->maximum());
    }
    {
        // The last block never comes: the bar had reached its end, and is emptied by the failure.
        SimulatedRadio radio;
        radio.AddFault({SimFault::Kind::NoAnswer, 16, 0, "52", 0, 0x15, {}, {}});
        ReadDialog dialog(nullptr, std::make_unique<SimulatedPort>(radio));
        dialog.show();
        int highest = 0;
        QObject::connect(dialog.Progress(), &QProgressBar::valueChanged,
                         [&highest](int v) { highest = std::max(highest, v); });
        dialog.StartTransfer();
        EXPECT_EQ(dialog.LastResult().textNumber, 3009);
        EXPECT_EQ(highest, dialog.Progress()->maximum());
        EXPECT_LT(dialog.Progress()->value(), dialog.Progress()->minimum());
        EXPECT_TRUE(g_doc.fromRadio); // still the code plug of the first read
    }
    {
        // A write refused by the radio near its end likewise.
        SimulatedRadio radio;
        radio.AddFault({SimFault::Kind::WrongByte, 45, 1, "57", 0, 0x15, {}, {}});
        WriteDialog dialog(nullptr, std::make_unique<SimulatedPort>(radio));
        dialog.show();
        dialog.StartTransfer();
        EXPECT_EQ(dialog.LastResult().textNumber, 3013);
        EXPECT_LT(dialog.Progress()->value(), dialog.Progress()->minimum());
    }
}

TEST(TransferWindows, FailuresWarnAndEveryBoxHasRoomForItsCaption)
{
    WindowTestEnv env;
    env.Start();
    SimulatedRadio radio;
    ReadDialog dialog(nullptr, std::make_unique<SimulatedPort>(radio));
    dialog.show();

    // Success: a plain message, wide enough for "VPXDS" in its title bar.
    QMessageBox::Icon icon = QMessageBox::Warning;
    QString title;
    int width = 0;
    int needed = 0;
    const auto inspect = [&](QMessageBox* box) {
        icon = box->icon();
        title = box->windowTitle();
        width = box->width();
        needed = MessageBoxMinimumWidth(box, box->windowTitle());
        box->buttons().constFirst()->click();
    };
    WhenBoxShows(inspect);
    dialog.StartTransfer();
    ASSERT_TRUE(dialog.LastResult().Succeeded());
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(title, QStringLiteral("VPXDS"));
    EXPECT_GE(width, needed);
    EXPECT_GT(needed, QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("VPXDS")));

    // A radio that does not answer: the warning icon.
    radio.AddFault({SimFault::Kind::NoAnswer, 1, 0, "", 0, 0x15, {}, {}});
    WhenBoxShows(inspect);
    dialog.StartTransfer();
    MsgBox::SetNonInteractive(true);
    EXPECT_EQ(dialog.LastResult().textNumber, 3006);
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_GE(width, needed);

    // A write that succeeds is news as well, not a warning.
    SimulatedRadio target;
    WriteDialog write(nullptr, std::make_unique<SimulatedPort>(target));
    write.show();
    icon = QMessageBox::Warning;
    WhenBoxShows(inspect);
    write.StartTransfer();
    MsgBox::SetNonInteractive(true);
    ASSERT_TRUE(write.LastResult().Succeeded());
    EXPECT_EQ(write.LastResult().textNumber, 3014);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}
