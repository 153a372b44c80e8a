// The write's guards in the window program: the two boxes of the Options window and what they keep
// in system.ini, and the write window that backs the radio up, verifies it, and says what is wrong.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>

#include "app/qt/COptionsDlg.h"
#include "codeplug/AddressMap.h"
#include "codeplug/Document.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/ModelCatalogue.h"
#include "link/SimulatedPort.h"
#include "link/SimulatedRadio.h"
#include "link/qt/WriteDialog.h"
#include "tests/app/qt/WindowTestEnv.h"
#include "tests/support/DataHome.h"

namespace {

std::unique_ptr<SerialPort> PortTo(SimulatedRadio& radio) { return std::make_unique<SimulatedPort>(radio); }

// The code plug in memory: channel 3 on 435.125 MHz.
std::string ImageToWrite()
{
    CodePlug plug(BuildBandImage("33"));
    plug.Write(Addr::ChannelAddress(3), EncodeFreq(435.125) + EncodeFreq(435.125) + "FFFFFFFFFF3101FF");
    return plug.Text();
}

} // namespace

TEST(OptionsWriteGuards, TwoBoxesUnderTheLockKeptInTheSettings)
{
    for (const char* language : {"100000", "200000"}) {
        SCOPED_TRACE(language);
        WindowTestEnv env;
        env.Settings(QByteArray("[language]\nlanguage=") + language + "\n");
        env.Start();
        {
            COptionsDlg dialog;
            dialog.show();
            EXPECT_EQ(dialog.BackupBox()->text(), LangText(9555));
            EXPECT_EQ(dialog.VerifyBox()->text(), LangText(9556));
            EXPECT_FALSE(dialog.BackupBox()->isChecked()); // absent: off
            EXPECT_FALSE(dialog.VerifyBox()->isChecked());
            EXPECT_GT(dialog.BackupBox()->y(), dialog.LockBox()->y());
            EXPECT_GT(dialog.VerifyBox()->y(), dialog.BackupBox()->y());
            EXPECT_LT(dialog.VerifyBox()->geometry().bottom(), dialog.OkButton()->y());
            // The whole caption fits the window.
            EXPECT_GE(dialog.BackupBox()->width(), dialog.BackupBox()->sizeHint().width());
            dialog.BackupBox()->setChecked(true);
            dialog.CancelButton()->click();
            EXPECT_EQ(env.Setting("option", "backup_before_write"), "");
        }
        {
            COptionsDlg dialog;
            dialog.BackupBox()->setChecked(true);
            dialog.VerifyBox()->setChecked(true);
            dialog.OkButton()->click();
            EXPECT_EQ(env.Setting("option", "backup_before_write"), "yes");
            EXPECT_EQ(env.Setting("option", "verify_after_write"), "yes");
            EXPECT_FALSE(g_bLockInterface); // the lock box stays as it was
        }
        {
            COptionsDlg dialog;
            EXPECT_TRUE(dialog.BackupBox()->isChecked());
            EXPECT_TRUE(dialog.VerifyBox()->isChecked());
            dialog.BackupBox()->setChecked(false);
            dialog.OkButton()->click();
            EXPECT_EQ(env.Setting("option", "backup_before_write"), "no");
            EXPECT_EQ(env.Setting("option", "verify_after_write"), "yes");
        }
    }
}

TEST(WriteDialogGuards, VerifiedWriteAndTheMessageOfAFaultyRadio)
{
    WindowTestEnv env;
    DataHome home;
    env.Settings("[language]\nlanguage=200000\n[option]\nbackup_before_write=yes\nverify_after_write=yes\n");
    env.Start();
    g_doc.image.SetText(ImageToWrite());
    SimulatedRadio radio;
    const std::string before = radio.MemoryHex();
    WriteDialog dialog(nullptr, PortTo(radio));
    dialog.show();

    // A good radio: one bar over backup, write and read-back; the message says it was verified and
    // where the backup is.
    MsgBox::ShownTexts().clear();
    dialog.StartButton()->click();
    ASSERT_TRUE(dialog.LastResult().Succeeded());
    EXPECT_EQ(dialog.Progress()->maximum(), 84);
    EXPECT_EQ(dialog.Progress()->value(), 84);
    ASSERT_EQ(MsgBox::ShownTexts().size(), 1);
    const QString done = MsgBox::ShownTexts().last();
    EXPECT_TRUE(done.startsWith(LangText(3014) + QStringLiteral("\n\n") + LangText(9558)))
        << done.toStdString();
    EXPECT_TRUE(done.contains(QString::fromStdString(home.Backups().string()))) << done.toStdString();
    EXPECT_EQ(home.BackupCount(), 1);

    // The radio now keeps its old channel 3: the write window names the channel and the backup.
    radio.SetIgnoreWrite(Addr::ChannelAddress(3));
    radio.SetMemoryHex(before);
    MsgBox::ShownTexts().clear();
    dialog.StartButton()->click();
    EXPECT_EQ(dialog.LastResult().status, TransferStatus::VerifyFailed);
    ASSERT_EQ(MsgBox::ShownTexts().size(), 1);
    const QString failed = MsgBox::ShownTexts().last();
    EXPECT_TRUE(failed.startsWith(LangText(9550))) << failed.toStdString();
    EXPECT_TRUE(failed.contains(QStringLiteral("Channel 3: RX Freq (MHz) 435.12500 \u2192 (empty)")))
        << failed.toStdString();
    EXPECT_TRUE(failed.contains(QStringLiteral("Write that file to restore the radio.")))
        << failed.toStdString();
    EXPECT_TRUE(dialog.StartButton()->isEnabled()); // the user can write again at once
    EXPECT_EQ(home.BackupCount(), 2);
}

TEST(WriteDialogGuards, OptionsOffKeepThePlainWrite)
{
    WindowTestEnv env;
    DataHome home;
    env.Start();
    g_doc.image.SetText(ImageToWrite());
    SimulatedRadio radio;
    WriteDialog dialog(nullptr, PortTo(radio));
    MsgBox::ShownTexts().clear();
    dialog.StartTransfer();
    EXPECT_TRUE(dialog.LastResult().Succeeded());
    EXPECT_EQ(dialog.Progress()->maximum(), 52);
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(3014)});
    EXPECT_EQ(radio.Frames().size(), 48u);
    EXPECT_EQ(home.BackupCount(), 0);
}

TEST(WriteDialogGuards, ACodePlugWithProblemsIsListedAndNoWritesNothing)
{
    WindowTestEnv env;
    env.Settings("[language]\nlanguage=200000\n");
    env.Start();
    // A 151 MHz channel for the 400-470 MHz radio.
    CodePlug plug(BuildBandImage("33"));
    plug.Write(Addr::ChannelAddress(1), EncodeFreq(151.625) + EncodeFreq(151.625) + "FFFFFFFFFF3101FF");
    g_doc.image.SetText(plug.Text());
    SimulatedRadio radio;
    const std::string radioBefore = radio.MemoryHex();
    WriteDialog dialog(nullptr, PortTo(radio));

    // The question lists each problem with its channel; its default button is No.
    QString shown;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    WhenBoxShows([&](QMessageBox* box) {
        shown = box->text();
        defaultButton = box->standardButton(box->defaultButton());
        box->done(box->standardButton(box->defaultButton()));
    });
    dialog.StartTransfer();
    MsgBox::SetNonInteractive(true);
    EXPECT_EQ(
        shown,
        LangText(9620) +
            "\n\nChannel 1: receive frequency 151.62500 MHz is outside the radio's band (400-470 MHz)\n"
            "Channel 1: transmit frequency 151.62500 MHz is outside the radio's band (400-470 MHz)\n\n" +
            LangText(9621));
    EXPECT_EQ(defaultButton, QMessageBox::No);
    EXPECT_EQ(dialog.LastResult().status, TransferStatus::CheckDeclined);
    EXPECT_EQ(radio.MemoryHex(), radioBefore);
    EXPECT_TRUE(dialog.StartButton()->isEnabled());

    // Yes writes it.
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    dialog.StartTransfer();
    EXPECT_TRUE(dialog.LastResult().Succeeded());
    EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(3014));
    EXPECT_EQ(radio.MemoryHex().substr(2 * 0x10, 32), plug.Read(0x10, 16));
}
