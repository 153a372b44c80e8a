// The window never throws unsaved edits away behind the user's back: Yes at the unsaved-work prompt
// followed by a cancelled Save dialog keeps them, the exit question can be cancelled (Escape too), and
// a code plug read from the radio and not saved is asked about at exit and at the language switch.
#include <gtest/gtest.h>

#include <QTest>

#include "app/CommandIds.h"
#include "app/qt/LanguageSwitch.h"
#include "app/qt/ui/FileDialogs.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "tests/app/qt/WindowTestEnv.h"

namespace {

void EditImage(int value) { ASSERT_TRUE(g_doc.image.WriteByte(0x10, value)); }

QString ExitQuestion() { return LangText(90026) + QStringLiteral(" ") + LangText(2004); }

} // namespace

TEST(DataLoss, YesFollowedByACancelledSaveEndsNewAndOpen)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    env.Put(QStringLiteral("other.dat"), QByteArray::fromStdString(BuildBandImage("33")));
    EditImage(0x12);
    const std::string edited = g_doc.image.Text();

    // New: Yes, then Cancel in the Save dialog - the edit stays, nothing is new.
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    SetNextFileDialogResult(QString());
    frame->OnCommand(cmd::kFileNew);
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{ExitQuestion()});
    EXPECT_EQ(g_doc.image.Text(), edited);
    EXPECT_TRUE(g_doc.IsModified());

    // Open: the same, and the Open dialog never comes (its answer is still waiting afterwards).
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    SetNextFileDialogResult(QString());
    frame->OnCommand(cmd::kFileOpen);
    EXPECT_EQ(g_doc.image.Text(), edited);
    EXPECT_TRUE(g_doc.path.empty());

    // Yes with a name given saves first and then goes on.
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    SetNextFileDialogResult(env.Path(QStringLiteral("kept.dat")));
    frame->OnCommand(cmd::kFileNew);
    EXPECT_EQ(env.Get(QStringLiteral("kept.dat")), QByteArray::fromStdString(edited));
    EXPECT_EQ(g_doc.image.Text(), BuildBandImage("33"));
    EXPECT_FALSE(g_doc.IsModified());
}

TEST(DataLoss, TheExitQuestionCanBeCancelled)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    frame->show();
    EditImage(0x34);
    const std::string edited = g_doc.image.Text();

    // The question offers Yes, No and Cancel in the interface language; Cancel keeps the window.
    QStringList buttons;
    WhenBoxShows([&](QMessageBox* box) {
        buttons = ButtonTexts(box);
        PressButtonReading(box, LangText(90001));
    });
    EXPECT_FALSE(frame->close());
    MsgBox::SetNonInteractive(true);
    QStringList yesNoCancel{LangText(90001), LangText(90003), LangText(90004)};
    yesNoCancel.sort();
    EXPECT_EQ(buttons, yesNoCancel);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(g_doc.image.Text(), edited);

    // Escape on the question is Cancel, not No.
    WhenBoxShows([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_FALSE(frame->close());
    MsgBox::SetNonInteractive(true);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(g_doc.image.Text(), edited);

    // Yes, then Cancel in the Save dialog: the window stays as well, and no file path is recorded.
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    SetNextFileDialogResult(QString());
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(g_doc.IsModified());
    EXPECT_EQ(env.Setting("file", "file_path"), "");

    // No closes without saving.
    MsgBox::SetNextAnswer(QMessageBox::No);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(MsgBox::ShownTexts().last(), ExitQuestion());
}

TEST(DataLoss, CancellingTheSaveQuestionStopsTheLanguageSwitch)
{
    WindowTestEnv env;
    env.Touch(kMarkerLanguageMenu);
    CMainFrame* frame = env.Start();
    int launches = 0;
    SetProgramLauncher([&](const QString&, const QStringList&, const QString&) { return ++launches > 0; });
    EditImage(0x56);
    const std::string edited = g_doc.image.Text();

    MsgBox::SetNextAnswer(QMessageBox::Ok);     // restart for the new language
    MsgBox::SetNextAnswer(QMessageBox::Cancel); // the save question
    frame->OnCommand(cmd::kLangEnglish);
    EXPECT_EQ(MsgBox::ShownTexts().size(), 2);
    EXPECT_EQ(launches, 0);
    EXPECT_EQ(env.Setting("language", "language"), "100000"); // as the start-up found it (the locale's)
    EXPECT_EQ(g_pMainFrame, frame);
    EXPECT_EQ(g_doc.image.Text(), edited);
    SetProgramLauncher(nullptr);
}

TEST(DataLoss, AFreshReadIsNotDroppedByTheLanguageSwitchOrExit)
{
    WindowTestEnv env;
    env.Touch(kMarkerLanguageMenu);
    CMainFrame* frame = env.Start();
    int launches = 0;
    SetProgramLauncher([&](const QString&, const QStringList&, const QString&) { return ++launches > 0; });
    // What a read from the radio leaves: unedited, in no file.
    CodePlug read(BuildBandImage("33"));
    read.WriteByte(0x10, 0x21);
    g_doc.AcceptFromRadio(read.Text(), 3);
    ASSERT_FALSE(g_doc.IsModified());

    // The language switch asks as New and Open do; Cancel keeps the program and the read.
    MsgBox::SetNextAnswer(QMessageBox::Ok);
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    frame->OnCommand(cmd::kLangEnglish);
    EXPECT_EQ(MsgBox::ShownTexts().size(), 2);
    EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(2002));
    EXPECT_EQ(launches, 0);
    EXPECT_EQ(g_pMainFrame, frame);
    EXPECT_TRUE(g_doc.fromRadio);

    // Exit asks too; Yes saves the read into a file before the window goes.
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    SetNextFileDialogResult(env.Path(QStringLiteral("read.dat")));
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(2002)});
    EXPECT_EQ(env.Get(QStringLiteral("read.dat")), QByteArray::fromStdString(read.Text()));
    SetProgramLauncher(nullptr);
}
