// The main window's channel-list and undo commands: menu items and keys, import as one undoable step,
// refused files leaving the code plug alone, export, and a fresh history after New.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTableWidget>

#include "app/CommandIds.h"
#include "app/qt/ui/FileDialogs.h"
#include "codeplug/AddressMap.h"
#include "codeplug/Document.h"
#include "editor/ChannelCsv.h"
#include "editor/qt/CMainFrm.h"
#include "tests/app/qt/WindowTestEnv.h"
#include "tests/editor/csv_Support.h"

namespace {

void StartEnglish(WindowTestEnv& env)
{
    env.Settings("[language]\nlanguage=200000\n");
    env.Start();
}

} // namespace

TEST(ChannelListWindow, MenusCarryTheNewCommandsInBothLanguages)
{
    for (const char* language : {"200000", "100000"}) {
        WindowTestEnv env;
        env.Settings(QByteArray("[language]\nlanguage=") + language + "\n");
        CMainFrame* frame = env.Start();
        for (int id : {cmd::kImportChannels, cmd::kExportChannels, cmd::kEditUndo, cmd::kEditRedo})
            EXPECT_TRUE(frame->MenuHasCommand(id)) << id;
        EXPECT_EQ(frame->Action(cmd::kImportChannels)->text(), LangText(9570));
        EXPECT_EQ(frame->Action(cmd::kEditUndo)->text(), LangText(9572));
        EXPECT_EQ(frame->Action(cmd::kEditUndo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        EXPECT_EQ(frame->Action(cmd::kEditRedo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
        // Nothing to undo in a code plug just started.
        frame->RefreshTitle();
        EXPECT_FALSE(frame->Action(cmd::kEditUndo)->isEnabled());
        EXPECT_FALSE(frame->Action(cmd::kEditRedo)->isEnabled());
    }
}

TEST(ChannelListWindow, ImportIsOneUndoableStepAndExportWritesTheList)
{
    WindowTestEnv env;
    StartEnglish(env);
    CMainFrame* frame = env.Frame();
    const std::string fresh = g_doc.image.Text();
    env.Put(QStringLiteral("plan.csv"), QByteArray(SampleChannelCsv()));

    SetNextFileDialogResult(env.Path(QStringLiteral("plan.csv")));
    frame->OnCommand(cmd::kImportChannels);
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(g_doc.image.Read(Addr::ChannelAddress(n), 16),
                  SampleChannelPlug().Read(Addr::ChannelAddress(n), 16))
            << n;
    EXPECT_TRUE(g_doc.IsModified());
    EXPECT_EQ(g_pMainView->ChannelTable()->item(3, 2)->text(), QStringLiteral("430.90000"));
    EXPECT_TRUE(frame->Action(cmd::kEditUndo)->isEnabled());

    frame->OnCommand(cmd::kEditUndo);
    EXPECT_EQ(g_doc.image.Text(), fresh);
    EXPECT_FALSE(g_doc.IsModified());
    EXPECT_EQ(g_pMainView->ChannelTable()->item(3, 1)->text(), QString());
    EXPECT_TRUE(frame->Action(cmd::kEditRedo)->isEnabled());
    frame->OnCommand(cmd::kEditRedo);
    const std::string imported = g_doc.image.Text();
    EXPECT_NE(imported, fresh);

    SetNextFileDialogResult(env.Path(QStringLiteral("out.csv")));
    frame->OnCommand(cmd::kExportChannels);
    EXPECT_EQ(env.Get(QStringLiteral("out.csv")).toStdString(), SampleChannelCsv());
    // Export changes nothing; a cancelled dialog does nothing either.
    EXPECT_EQ(g_doc.image.Text(), imported);
    SetNextFileDialogResult(QString());
    frame->OnCommand(cmd::kImportChannels);
    EXPECT_EQ(g_doc.image.Text(), imported);

    // New starts a fresh history.
    MsgBox::SetNextAnswer(QMessageBox::No);
    frame->OnCommand(cmd::kFileNew);
    EXPECT_FALSE(frame->Action(cmd::kEditUndo)->isEnabled());
    frame->OnCommand(cmd::kEditUndo);
    EXPECT_EQ(g_doc.image.Text(), fresh);
}

TEST(ChannelListWindow, RefusedFilesAreExplainedAndChangeNothing)
{
    WindowTestEnv env;
    StartEnglish(env);
    CMainFrame* frame = env.Frame();
    const std::string before = g_doc.image.Text();
    env.Put(QStringLiteral("bad.csv"), QByteArray("Location,Frequency,Tone,rToneFreq\n"
                                                  "1,446.006250,Tone,67.0\n"
                                                  "2,446.0,Tone,69.3\n"
                                                  "17,446.0\n"));
    MsgBox::ShownTexts().clear();
    SetNextFileDialogResult(env.Path(QStringLiteral("bad.csv")));
    frame->OnCommand(cmd::kImportChannels);
    EXPECT_EQ(g_doc.image.Text(), before);
    EXPECT_FALSE(frame->Action(cmd::kEditUndo)->isEnabled());
    ASSERT_EQ(MsgBox::ShownTexts().size(), 1);
    EXPECT_EQ(MsgBox::ShownTexts().first(),
              LangText(9579) + QStringLiteral("\n\nLine 3: tone 69.3 is not in the radio's tone lists\n"
                                              "Line 4: channel number 17 is not between 1 and 16"));

    SetNextFileDialogResult(env.Path(QStringLiteral("missing.csv")));
    frame->OnCommand(cmd::kImportChannels);
    ASSERT_EQ(MsgBox::ShownTexts().size(), 2);
    EXPECT_TRUE(MsgBox::ShownTexts().last().startsWith(LangText(9589)));

    SetNextFileDialogResult(env.Path(QStringLiteral("no/such/folder/out.csv")));
    frame->OnCommand(cmd::kExportChannels);
    ASSERT_EQ(MsgBox::ShownTexts().size(), 3);
    EXPECT_TRUE(MsgBox::ShownTexts().last().startsWith(LangText(9581)));
    EXPECT_EQ(g_doc.image.Text(), before);
}

TEST(ChannelListWindow, AnImportTellsWhatItMovedAndAHeaderAloneIsRefused)
{
    WindowTestEnv env;
    StartEnglish(env);
    CMainFrame* frame = env.Frame();
    env.Put(QStringLiteral("moved.csv"), QByteArray("Location,Frequency\n"
                                                    "1,433.1225\n"
                                                    "2,446.003\n"
                                                    "3,438.500\n"));
    MsgBox::ShownTexts().clear();
    SetNextFileDialogResult(env.Path(QStringLiteral("moved.csv")));
    frame->OnCommand(cmd::kImportChannels);
    ASSERT_EQ(MsgBox::ShownTexts().size(), 1);
    EXPECT_EQ(
        MsgBox::ShownTexts().first(),
        QStringLiteral("3 channels imported. Check these changes:\n\n"
                       "Line 2: receive frequency 433.122500 \u2192 433.12000 (moved to the channel step)\n"
                       "Line 3: receive frequency 446.003000 \u2192 446.00000 (moved to the channel step)"));
    EXPECT_EQ(g_pMainView->ChannelTable()->item(1, 1)->text(), QStringLiteral("433.12000"));

    // A list taken as written says nothing more.
    env.Put(QStringLiteral("plan.csv"), QByteArray(SampleChannelCsv()));
    MsgBox::ShownTexts().clear();
    SetNextFileDialogResult(env.Path(QStringLiteral("plan.csv")));
    frame->OnCommand(cmd::kImportChannels);
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());

    // A header without rows: refused with its line and the reason, the code plug as it was.
    const std::string before = g_doc.image.Text();
    env.Put(QStringLiteral("header.csv"), QByteArray("Location,Name,Frequency\r\n"));
    SetNextFileDialogResult(env.Path(QStringLiteral("header.csv")));
    frame->OnCommand(cmd::kImportChannels);
    ASSERT_EQ(MsgBox::ShownTexts().size(), 1);
    EXPECT_EQ(MsgBox::ShownTexts().first(),
              LangText(9579) +
                  QStringLiteral("\n\nLine 1: the file has a header line but no channel rows below it"));
    EXPECT_EQ(g_doc.image.Text(), before);
}
