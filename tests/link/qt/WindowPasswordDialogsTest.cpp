// The password, test-password and model-information windows as a user meets them: opened through
// the main window's commands, typed into, confirmed, and checked against what the command line
// reads and writes in the same data file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/CommandIds.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/FileDialogs.h"
#include "codeplug/DataFile.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "link/qt/ModelInfoDialog.h"
#include "link/qt/PasswordDialog.h"
#include "link/qt/ReadDialog.h"
#include "link/qt/TestPasswordDialog.h"
#include "tests/app/qt/WindowTestEnv.h"
#include "tests/support/CliRunner.h"

namespace {

constexpr PasswordKind kRead = PasswordKind::Read;
constexpr PasswordKind kWrite = PasswordKind::Write;
constexpr const char* kNone = "FFFFFFFFFFFFFFFFFFFF";

// Gives the command to the main window; when its window opens modally, act works in it. A window
// that act leaves open is closed, so that a failing test ends. False when no such window opened.
template <class Dialog>
bool WithDialog(const std::function<void()>& command, const std::function<void(Dialog&)>& act)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        poll.stop();
        seen = true;
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll.start();
    command();
    poll.stop();
    return seen;
}

template <class Dialog> bool WithCommand(CMainFrame* frame, int id, const std::function<void(Dialog&)>& act)
{
    return WithDialog<Dialog>([frame, id] { frame->OnCommand(id); }, act);
}

void Type(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

std::string Field(int address) { return g_doc.image.Read(address, 10); }

// What the window shows for one password: a set one ticked, in both edits, which can be typed into;
// none with the box clear and both edits empty and disabled.
void ExpectShown(const PasswordDialog& dlg, PasswordKind kind, const QString& password)
{
    const bool set = !password.isEmpty();
    EXPECT_EQ(dlg.Box(kind)->isChecked(), set) << password.toStdString();
    EXPECT_EQ(dlg.Edit(kind)->text(), password);
    EXPECT_EQ(dlg.ConfirmEdit(kind)->text(), password);
    EXPECT_EQ(dlg.Edit(kind)->isEnabled(), set) << password.toStdString();
    EXPECT_EQ(dlg.ConfirmEdit(kind)->isEnabled(), set) << password.toStdString();
}

} // namespace

TEST(PasswordWindow, SetsShowsAndClearsPasswordsInTheCodePlug)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    ASSERT_FALSE(frame->MenuHasCommand(cmd::kRwPassword)); // only the command table reaches it

    // A new code plug: both boxes clear, the edits empty and disabled; Cancel changes nothing.
    EXPECT_TRUE(WithCommand<PasswordDialog>(frame, cmd::kRwPassword, [](PasswordDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle(), LangText(7804));
        EXPECT_EQ(dlg.Box(kRead)->text(), LangText(7805));
        EXPECT_EQ(dlg.Box(kWrite)->text(), LangText(7806));
        EXPECT_EQ(dlg.OkButton()->text(), LangText(90000));
        EXPECT_EQ(dlg.CancelButton()->text(), LangText(90001));
        EXPECT_FALSE(dlg.findChildren<QLabel*>().isEmpty());
        EXPECT_EQ(dlg.findChildren<QLabel*>().first()->text(), LangText(7803));
        ExpectShown(dlg, kRead, "");
        ExpectShown(dlg, kWrite, "");
        dlg.Box(kRead)->click();
        Type(dlg.Edit(kRead), "Ab12");
        Type(dlg.ConfirmEdit(kRead), "Ab12");
        dlg.CancelButton()->click();
    }));
    EXPECT_EQ(Field(0x034C), kNone);
    EXPECT_FALSE(g_doc.IsModified());

    // Four characters: stored with six "*", scrambled; ten characters: no "*"; an eleventh key is
    // not taken.
    EXPECT_TRUE(WithCommand<PasswordDialog>(frame, cmd::kRwPassword, [](PasswordDialog& dlg) {
        dlg.Box(kRead)->click();
        EXPECT_TRUE(dlg.Edit(kRead)->isEnabled());
        EXPECT_TRUE(dlg.ConfirmEdit(kRead)->isEnabled());
        Type(dlg.Edit(kRead), "Ab12");
        Type(dlg.ConfirmEdit(kRead), "Ab12");
        dlg.Box(kWrite)->click();
        Type(dlg.Edit(kWrite), "01234567890");
        Type(dlg.ConfirmEdit(kWrite), "0123456789");
        EXPECT_EQ(dlg.Edit(kWrite)->text(), "0123456789");
        dlg.OkButton()->click();
        EXPECT_FALSE(dlg.isVisible());
    }));
    EXPECT_EQ(Field(0x034C), "3A7C35FB887217DCCA30");
    EXPECT_EQ(Field(0x0356), "4B2F36FA966D0BC1D823");
    EXPECT_TRUE(g_doc.IsModified()); // an unsaved change like any other edit
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());

    // Reopening shows them; clearing the read box empties and disables its edits and stores ten 0xFF.
    EXPECT_TRUE(WithCommand<PasswordDialog>(frame, cmd::kRwPassword, [](PasswordDialog& dlg) {
        ExpectShown(dlg, kRead, "Ab12");
        ExpectShown(dlg, kWrite, "0123456789");
        dlg.Box(kRead)->click();
        ExpectShown(dlg, kRead, "");
        dlg.OkButton()->click();
    }));
    EXPECT_EQ(Field(0x034C), kNone);
    EXPECT_EQ(Field(0x0356), "4B2F36FA966D0BC1D823");
    EXPECT_TRUE(WithCommand<PasswordDialog>(frame, cmd::kRwPassword, [](PasswordDialog& dlg) {
        ExpectShown(dlg, kRead, "");
        ExpectShown(dlg, kWrite, "0123456789");
    }));
}

TEST(PasswordWindow, RefusesOtherCharactersAndDifferingConfirmations)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    const std::string before = g_doc.image.Text();

    EXPECT_TRUE(WithCommand<PasswordDialog>(frame, cmd::kRwPassword, [&](PasswordDialog& dlg) {
        dlg.Box(kRead)->click();
        dlg.Box(kWrite)->click();
        // A "*" typed after letters: message 9703 with the caption 90006, OK only; the edit emptied.
        QString caption;
        QStringList buttons;
        WhenBoxShows([&](QMessageBox* box) {
            caption = box->windowTitle();
            buttons = ButtonTexts(box);
            PressButtonReading(box, LangText(90000));
        });
        Type(dlg.Edit(kRead), "ab*");
        MsgBox::SetNonInteractive(true);
        EXPECT_EQ(caption, LangText(90006));
        EXPECT_EQ(buttons, QStringList{LangText(90000)});
        ASSERT_EQ(MsgBox::ShownTexts().size(), 1);
        EXPECT_EQ(MsgBox::ShownTexts().first(), LangText(9703));
        EXPECT_EQ(dlg.Edit(kRead)->text(), "");

        // A blank in the confirmation, a letter outside ASCII in the write edit: the same.
        MsgBox::ClearAnswers();
        Type(dlg.ConfirmEdit(kRead), "x y");
        EXPECT_EQ(dlg.ConfirmEdit(kRead)->text(), "y"); // emptied at the blank, then "y" typed
        Type(dlg.Edit(kWrite), "pw");
        QTest::sendKeyEvent(QTest::Click, dlg.Edit(kWrite), Qt::Key_Eacute, QString::fromUtf8("\xC3\xA9"),
                            Qt::NoModifier);
        EXPECT_EQ(dlg.Edit(kWrite)->text(), "");
        // Pasted text passes the same filter.
        dlg.Edit(kWrite)->insert(QStringLiteral("ok*"));
        EXPECT_EQ(dlg.Edit(kWrite)->text(), "");
        EXPECT_EQ(MsgBox::ShownTexts(), (QStringList{LangText(9703), LangText(9703), LangText(9703)}));
        // Back-space is taken as it is.
        MsgBox::ClearAnswers();
        Type(dlg.Edit(kWrite), "pw1");
        QTest::keyClick(dlg.Edit(kWrite), Qt::Key_Backspace);
        EXPECT_EQ(dlg.Edit(kWrite)->text(), "pw");
        EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());

        // Confirmations that differ: 7807 for the read password first, then 7808; the window stays
        // open and the code plug is unchanged.
        dlg.Edit(kRead)->clear();
        dlg.ConfirmEdit(kRead)->clear();
        Type(dlg.Edit(kRead), "abcd");
        Type(dlg.ConfirmEdit(kRead), "abce");
        Type(dlg.ConfirmEdit(kWrite), "pW");
        dlg.OkButton()->click();
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(7807)});
        QTest::keyClick(dlg.ConfirmEdit(kRead), Qt::Key_Backspace);
        QTest::keyClicks(dlg.ConfirmEdit(kRead), "d");
        dlg.OkButton()->click();
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(7808));
        EXPECT_EQ(g_doc.image.Text(), before);
        EXPECT_FALSE(g_doc.IsModified());
        dlg.CancelButton()->click();
    }));
    EXPECT_EQ(g_doc.image.Text(), before);
}

TEST(TestPasswordWindow, TheCodeUnlocksTheServiceFunctionsAndAWrongOneLocksThem)
{
    for (int language : {kLangChinese, kLangEnglish}) {
        WindowTestEnv env;
        env.Touch(kMarkerServiceUnlock); // unlocked at start-up
        if (language == kLangEnglish)
            env.Settings("[language]\nlanguage=200000\n");
        CMainFrame* frame = env.Start();
        ASSERT_TRUE(g_bTestEnabled);
        EXPECT_FALSE(frame->MenuHasCommand(cmd::kTestPassword));
        QAction* testFreq = frame->Action(cmd::kTestFrequency);
        ASSERT_TRUE(frame->MenuHasCommand(cmd::kTestFrequency));
        EXPECT_TRUE(testFreq->isEnabled());

        // The code in other letter case: 5202, both flags cleared although the marker file set them,
        // the Test frequency item grayed. The pruned Test mode and Batch write commands keep their keys.
        EXPECT_TRUE(WithCommand<TestPasswordDialog>(frame, cmd::kTestPassword, [&](TestPasswordDialog& dlg) {
            EXPECT_EQ(dlg.windowTitle(), LangText(5201));
            EXPECT_EQ(dlg.PromptLabel()->text(), LangText(5203));
            EXPECT_EQ(dlg.OkButton()->text(), LangText(90000));
            EXPECT_EQ(dlg.CancelButton()->text(), LangText(90001));
            if (language == kLangChinese) {
                EXPECT_EQ(dlg.PromptLabel()->font(), g_fontApp);
                EXPECT_EQ(dlg.OkButton()->font(), g_fontApp);
                EXPECT_EQ(dlg.CancelButton()->font(), g_fontApp);
            }
            EXPECT_EQ(dlg.CodeEdit()->echoMode(), QLineEdit::Password);
            Type(dlg.CodeEdit(), "PVKRWAMT47");
            dlg.OkButton()->click();
            EXPECT_FALSE(dlg.isVisible());
        }));
        EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(5202)});
        EXPECT_FALSE(g_bTestEnabled);
        EXPECT_FALSE(g_bServiceView);
        EXPECT_FALSE(testFreq->isEnabled());
        EXPECT_TRUE(frame->Action(cmd::kTestMode)->isEnabled());
        EXPECT_TRUE(frame->Action(cmd::kBatchWriteTest)->isEnabled());
        frame->OnCommand(cmd::kTestFrequency);
        EXPECT_EQ(frame->TestFreqWindow(), nullptr);
        {
            ReadDialog read(frame); // without the service view the read window hides its log
            EXPECT_EQ(read.height(), 110);
        }

        // Cancel changes nothing, even with the right code typed.
        MsgBox::ClearAnswers();
        EXPECT_TRUE(WithCommand<TestPasswordDialog>(frame, cmd::kTestPassword, [](TestPasswordDialog& dlg) {
            Type(dlg.CodeEdit(), "pvkrwamt47");
            dlg.CancelButton()->click();
        }));
        EXPECT_FALSE(g_bTestEnabled);
        EXPECT_FALSE(testFreq->isEnabled());

        // The right code: flags set, the item enabled, the service windows open and show their area.
        EXPECT_TRUE(WithCommand<TestPasswordDialog>(frame, cmd::kTestPassword, [](TestPasswordDialog& dlg) {
            Type(dlg.CodeEdit(), "pvkrwamt47");
            QTest::keyClick(dlg.CodeEdit(), Qt::Key_Return);
        }));
        EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());
        EXPECT_TRUE(g_bTestEnabled);
        EXPECT_TRUE(g_bServiceView);
        EXPECT_TRUE(testFreq->isEnabled());
        frame->OnCommand(cmd::kTestFrequency);
        EXPECT_NE(frame->TestFreqWindow(), nullptr);
        {
            ReadDialog read(frame);
            EXPECT_GT(read.height(), 110);
        }
    }
}

TEST(ModelInfoWindow, OpensFromTheToolsMenuAndShowsTheCodePlugsInformation)
{
    WindowTestEnv env;
    env.Settings("[language]\nlanguage=200000\n");
    CMainFrame* frame = env.Start();
    // The pruned item stays pruned; the Tools menu has its own item for the window.
    EXPECT_FALSE(frame->MenuHasCommand(cmd::kModelInfo));
    ASSERT_TRUE(frame->MenuHasCommand(cmd::kRadioInformation));
    QAction* item = frame->Action(cmd::kRadioInformation);
    EXPECT_EQ(item->text(), LangText(9540));
    EXPECT_FALSE(item->text().isEmpty());
    QMenu* tools = frame->menuBar()->actions().at(3)->menu();
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->actions().contains(item));

    // A new code plug: no time, the "no file" text, nothing else.
    EXPECT_TRUE(WithDialog<ModelInfoDialog>(
        [item] { item->trigger(); },
        [](ModelInfoDialog& dlg) {
            EXPECT_EQ(dlg.windowTitle(), LangText(8001));
            const int labels[] = {8002, 8003, 8000, 8004, 8005, 8006};
            for (int r = 0; r < ModelInfoDialog::kRows; ++r) {
                const auto row = static_cast<ModelInfoDialog::Row>(r);
                EXPECT_EQ(dlg.Label(row)->text(), LangText(labels[r]));
                EXPECT_TRUE(dlg.Value(row)->isReadOnly());
            }
            for (auto row :
                 {ModelInfoDialog::SerialNumber, ModelInfoDialog::HardwareVersion,
                  ModelInfoDialog::McuVersion, ModelInfoDialog::PcVersion, ModelInfoDialog::LastProgrammed})
                EXPECT_EQ(dlg.Value(row)->text(), "") << row;
            EXPECT_EQ(dlg.Value(ModelInfoDialog::FileName)->text(), LangText(90026));
            EXPECT_EQ(dlg.OkButton()->text(), LangText(90000));
            dlg.OkButton()->click();
        }));

    // A code plug from a programmed radio, opened from its data file; the pruned command shows the
    // same window.
    CodePlug plug(BuildBandImage("33"));
    plug.Write(0x03E0, "534E2D30303432FF");
    plug.Write(0x03D8, "48572D33FF");
    plug.Write(0x0300, "0105");
    plug.Write(0x0302, "020341");
    plug.Write(0x0305, "20110510081502");
    plug.Write(0x0310, "73686F70FF");
    ASSERT_TRUE(SaveTextFileAtomic(env.Path(QStringLiteral("radio.dat")).toStdString(), plug.Text()));
    SetNextFileDialogResult(env.Path(QStringLiteral("radio.dat")));
    frame->OnCommand(cmd::kFileOpen);
    ASSERT_EQ(g_doc.image.Text(), plug.Text());
    EXPECT_TRUE(WithCommand<ModelInfoDialog>(frame, cmd::kModelInfo, [](ModelInfoDialog& dlg) {
        EXPECT_EQ(dlg.Value(ModelInfoDialog::SerialNumber)->text(), "SN-0042");
        EXPECT_EQ(dlg.Value(ModelInfoDialog::HardwareVersion)->text(), "HW-3");
        EXPECT_EQ(dlg.Value(ModelInfoDialog::McuVersion)->text(), "1.05");
        EXPECT_EQ(dlg.Value(ModelInfoDialog::PcVersion)->text(), "2.03A");
        EXPECT_EQ(dlg.Value(ModelInfoDialog::LastProgrammed)->text(), "2011-05-10 08:15:02");
        EXPECT_EQ(dlg.Value(ModelInfoDialog::FileName)->text(), "shop.dat");
    }));
    EXPECT_FALSE(g_doc.IsModified()); // looking changes nothing
}

TEST(PasswordWindow, WhatTheCommandLineSetsTheWindowShowsAndBack)
{
    WindowTestEnv env;
    const CliRunner cli(env.Dir());
    if (!cli.Available())
        GTEST_SKIP() << "vpxds-cli is not built";
    CMainFrame* frame = env.Start();
    const QString file = env.Path(QStringLiteral("shop.dat"));
    // Put together piece by piece: a literal in front of a temporary string trips GCC 12's -Wrestrict at -O3.
    std::string quoted = "'";
    quoted += file.toStdString();
    quoted += "'";
    ASSERT_TRUE(SaveTextFileAtomic(file.toStdString(), BuildBandImage("33")));

    CliResult r = cli.Run("passwords " + quoted + " --read Ab12 --write Zz9");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    SetNextFileDialogResult(file);
    frame->OnCommand(cmd::kFileOpen);
    EXPECT_TRUE(WithCommand<PasswordDialog>(frame, cmd::kRwPassword, [](PasswordDialog& dlg) {
        ExpectShown(dlg, kRead, "Ab12");
        ExpectShown(dlg, kWrite, "Zz9");
        // New read password, no write password.
        dlg.Edit(kRead)->clear();
        dlg.ConfirmEdit(kRead)->clear();
        Type(dlg.Edit(kRead), "Radio7");
        Type(dlg.ConfirmEdit(kRead), "Radio7");
        dlg.Box(kWrite)->click();
        dlg.OkButton()->click();
    }));
    frame->OnCommand(cmd::kFileSave); // to the file it came from
    ASSERT_FALSE(g_doc.IsModified());

    r = cli.Run("show " + quoted + " --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"passwords\": {\"read\": true, \"write\": false}"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Radio7"), std::string::npos);
    // Giving the command line the same password changes nothing: the window stored exactly that.
    r = cli.Run("passwords " + quoted + " --read Radio7 --clear-write");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("(unchanged)"), std::string::npos) << r.out;
}
