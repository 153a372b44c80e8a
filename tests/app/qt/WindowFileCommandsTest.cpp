// File commands as the user drives them: New, Open, Save and Save As with their prompts answered each
// way, failures that must leave everything as it was, and the prompt when the window closes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileInfo>

#include "app/CommandIds.h"
#include "app/qt/ui/FileDialogs.h"
#include "app/qt/ui/UnsavedWork.h"
#include "codeplug/DataFile.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "tests/app/qt/WindowTestEnv.h"

namespace {

// An edit the user might make: channel 1's receive frequency byte.
void EditImage(int value = 0x12) { ASSERT_TRUE(g_doc.image.WriteByte(0x10, value)); }

QString Prompt(const QString& name) { return name + QStringLiteral(" ") + LangText(2004); }

} // namespace

TEST(FileCommands, SaveOpenNewRoundTripWithPrompts)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    const std::string fresh = g_doc.image.Text();

    // Save without a file asks for a name; the file holds the 2048 characters of the image.
    EditImage();
    const std::string edited = g_doc.image.Text();
    const QString file = env.Path(QStringLiteral("plug.dat"));
    SetNextFileDialogResult(file);
    frame->OnCommand(cmd::kFileSave);
    EXPECT_EQ(env.Get(QStringLiteral("plug.dat")), QByteArray::fromStdString(edited));
    EXPECT_EQ(QString::fromStdString(g_doc.path), file);
    EXPECT_FALSE(g_doc.IsModified());
    EXPECT_EQ(frame->FilePaneText(), LangText(2013) + QStringLiteral(": ") + file);

    // New after a further edit: Cancel keeps everything, No discards the edit.
    EditImage(0x34);
    const std::string twiceEdited = g_doc.image.Text();
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    frame->OnCommand(cmd::kFileNew);
    ASSERT_EQ(MsgBox::ShownTexts().size(), 1);
    EXPECT_EQ(MsgBox::ShownTexts().first(), Prompt(file));
    EXPECT_EQ(g_doc.image.Text(), twiceEdited);
    EXPECT_EQ(QString::fromStdString(g_doc.path), file);

    MsgBox::SetNextAnswer(QMessageBox::No);
    frame->OnCommand(cmd::kFileNew);
    EXPECT_EQ(g_doc.image.Text(), fresh);
    EXPECT_TRUE(g_doc.path.empty());
    EXPECT_FALSE(g_doc.IsModified());
    EXPECT_EQ(env.Get(QStringLiteral("plug.dat")), QByteArray::fromStdString(edited)); // not saved
    EXPECT_EQ(frame->FilePaneText(), LangText(2013) + QStringLiteral(": ") + LangText(90026));

    // Open brings the saved code plug back unmodified; nothing is asked while nothing is unsaved.
    MsgBox::ClearAnswers();
    SetNextFileDialogResult(file);
    frame->OnCommand(cmd::kFileOpen);
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());
    EXPECT_EQ(g_doc.image.Text(), edited);
    EXPECT_FALSE(g_doc.IsModified());
    EXPECT_EQ(QString::fromStdString(g_doc.path), file);

    // Yes at the prompt of New saves into the current file first.
    EditImage(0x56);
    const std::string toKeep = g_doc.image.Text();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    frame->OnCommand(cmd::kFileNew);
    EXPECT_EQ(env.Get(QStringLiteral("plug.dat")), QByteArray::fromStdString(toKeep));
    EXPECT_EQ(g_doc.image.Text(), fresh);

    // Yes for a code plug without a file asks for a name; a cancelled dialog ends New with the edit kept.
    EditImage(0x78);
    const std::string unnamed = g_doc.image.Text();
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    SetNextFileDialogResult(QString());
    frame->OnCommand(cmd::kFileNew);
    EXPECT_EQ(MsgBox::ShownTexts().first(), Prompt(LangText(90026)));
    EXPECT_EQ(g_doc.image.Text(), unnamed);
    EXPECT_TRUE(g_doc.IsModified());
}

TEST(FileCommands, CancelAndFailuresChangeNothing)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    EditImage();
    const std::string edited = g_doc.image.Text();

    // Cancel at the prompt of Open: image, path and flag stay, and the dialog is not shown (the answer
    // queued for it is still there for the next dialog, here the one of Save).
    env.Put(QStringLiteral("other.dat"), QByteArray::fromStdString(BuildBandImage("33")));
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    SetNextFileDialogResult(env.Path(QStringLiteral("other.dat")));
    frame->OnCommand(cmd::kFileOpen);
    EXPECT_EQ(g_doc.image.Text(), edited);
    EXPECT_TRUE(g_doc.path.empty());
    EXPECT_TRUE(g_doc.IsModified());
    frame->OnCommand(cmd::kFileSave);
    EXPECT_EQ(env.Get(QStringLiteral("other.dat")), QByteArray::fromStdString(edited));
    g_doc.path.clear();
    EditImage(0x21);
    const std::string editedAgain = g_doc.image.Text();

    const auto openAnswering = [&](const QString& path) {
        MsgBox::ClearAnswers();
        MsgBox::SetNextAnswer(QMessageBox::No); // the unsaved-work prompt
        SetNextFileDialogResult(path);
        frame->OnCommand(cmd::kFileOpen);
    };

    // A file that does not exist: 2011, nothing changes.
    openAnswering(env.Path(QStringLiteral("missing.dat")));
    EXPECT_TRUE(MsgBox::ShownTexts().contains(LangText(2011)));
    EXPECT_EQ(g_doc.image.Text(), editedAgain);
    EXPECT_TRUE(g_doc.IsModified());

    // A file whose content is no code plug: the fixed notice above 2011, one box for one failure;
    // nothing changes.
    env.Put(QStringLiteral("text.dat"), "hello radio\r\n");
    openAnswering(env.Path(QStringLiteral("text.dat")));
    EXPECT_EQ(MsgBox::ShownTexts().mid(1), QStringList({"Open File Error!\n\n" + LangText(2011)}));
    EXPECT_EQ(g_doc.image.Text(), editedAgain);

    // A frame-stream file whose second frame does not begin with 0x57: 2015; nothing changes.
    QByteArray stream = QByteArray::fromHex(kFrameStreamIdentityHex);
    stream += QByteArray::fromHex("570000080102030405060708");
    stream += QByteArray::fromHex("520008080102030405060708");
    env.Put(QStringLiteral("stream.dat"), stream);
    openAnswering(env.Path(QStringLiteral("stream.dat")));
    EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(2015));
    EXPECT_EQ(g_doc.image.Text(), editedAgain);
    EXPECT_TRUE(g_doc.path.empty());

    // A save that cannot create its file: 2014; the code plug still counts as unsaved, no path.
    MsgBox::ClearAnswers();
    SetNextFileDialogResult(env.Path(QStringLiteral("no-such-dir/plug.dat")));
    frame->OnCommand(cmd::kFileSave);
    EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(2014));
    EXPECT_TRUE(g_doc.path.empty());
    EXPECT_TRUE(g_doc.IsModified());

    // Yes at the unsaved-work prompt with a save that fails: the command ends and the work stays.
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    SetNextFileDialogResult(env.Path(QStringLiteral("no-such-dir/plug.dat")));
    frame->OnCommand(cmd::kFileNew);
    EXPECT_EQ(g_doc.image.Text(), editedAgain);
}

TEST(FileCommands, SaveAsAlwaysAsksAndCancelLeavesNoFile)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    const QString first = env.Path(QStringLiteral("first.dat"));
    const QString second = env.Path(QStringLiteral("second.dat"));
    SetNextFileDialogResult(first);
    frame->OnCommand(cmd::kFileSave);
    ASSERT_EQ(QString::fromStdString(g_doc.path), first);

    // Save As with a current file still asks for a name.
    EditImage();
    SetNextFileDialogResult(second);
    frame->OnCommand(cmd::kFileSaveAs);
    EXPECT_EQ(QString::fromStdString(g_doc.path), second);
    EXPECT_EQ(env.Get(QStringLiteral("second.dat")), QByteArray::fromStdString(g_doc.image.Text()));
    EXPECT_NE(env.Get(QStringLiteral("first.dat")), env.Get(QStringLiteral("second.dat")));

    // Save As into a place that cannot be written: 2014, and the code plug keeps its file.
    EditImage(0x77);
    MsgBox::ClearAnswers();
    SetNextFileDialogResult(env.Path(QStringLiteral("no-such-dir/x.dat")));
    frame->OnCommand(cmd::kFileSaveAs);
    EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(2014));
    EXPECT_EQ(QString::fromStdString(g_doc.path), second);
    EXPECT_TRUE(g_doc.IsModified());

    // Cancelled Save As: no current file any more, and the next Save asks again.
    EditImage(0x99);
    SetNextFileDialogResult(QString());
    frame->OnCommand(cmd::kFileSaveAs);
    EXPECT_TRUE(g_doc.path.empty());
    EXPECT_TRUE(g_doc.IsModified());
    const QString third = env.Path(QStringLiteral("third.dat"));
    SetNextFileDialogResult(third);
    frame->OnCommand(cmd::kFileSave);
    EXPECT_EQ(QString::fromStdString(g_doc.path), third);
    EXPECT_FALSE(g_doc.IsModified());
}

TEST(FileCommands, PromptsForCodePlugsFromTheRadioAndAtExit)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();

    // A code plug read from a radio asks its own question, even unedited.
    g_doc.AcceptFromRadio(g_doc.image.Text(), 3);
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(UnsavedWorkPrompt(frame));
    ASSERT_EQ(MsgBox::ShownTexts().size(), 1);
    EXPECT_EQ(MsgBox::ShownTexts().last(), LangText(2002));

    // Closing with an unedited radio code plug asks the same question: Cancel keeps the window, No
    // closes it without storing a file path.
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(2002)});
    EXPECT_TRUE(g_doc.fromRadio);
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::No);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{LangText(2002)});
    EXPECT_EQ(env.Setting("file", "file_path"), "");

    // With a file and an unsaved edit: No closes without saving and records the file.
    CMainFrame* again = env.Start();
    const QString file = env.Path(QStringLiteral("kept.dat"));
    SetNextFileDialogResult(file);
    again->OnCommand(cmd::kFileSave);
    const QByteArray saved = env.Get(QStringLiteral("kept.dat"));
    EditImage();
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::No);
    EXPECT_TRUE(again->close());
    EXPECT_EQ(MsgBox::ShownTexts().first(), Prompt(file));
    EXPECT_EQ(env.Get(QStringLiteral("kept.dat")), saved);
    EXPECT_EQ(QString::fromStdString(env.Setting("file", "file_path")), file);

    // Yes saves before closing.
    CMainFrame* third = env.Start();
    SetNextFileDialogResult(file);
    third->OnCommand(cmd::kFileOpen);
    EditImage(0x42);
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    EXPECT_TRUE(third->close());
    EXPECT_EQ(env.Get(QStringLiteral("kept.dat")), QByteArray::fromStdString(g_doc.image.Text()));

    // Yes with a save that fails keeps the window open so the work is not lost.
    CMainFrame* fourth = env.Start();
    EditImage();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    SetNextFileDialogResult(env.Path(QStringLiteral("no-such-dir/x.dat")));
    EXPECT_FALSE(fourth->close());
    EXPECT_TRUE(g_doc.IsModified());
}

TEST(FileCommands, PromptButtonsSpeakTheInterfaceLanguage)
{
    for (const char* language : {"100000", "200000"}) {
        WindowTestEnv env;
        env.Settings(QByteArray("[language]\nlanguage=") + language + "\n");
        CMainFrame* frame = env.Start();
        EditImage();
        const std::string edited = g_doc.image.Text();

        // The unsaved-work prompt of New: Yes, No and Cancel in the interface language; pressing the
        // button that reads "No" discards the edit.
        QStringList shown;
        WhenBoxShows([&](QMessageBox* box) {
            shown = ButtonTexts(box);
            PressButtonReading(box, LangText(90004));
        });
        frame->OnCommand(cmd::kFileNew);
        QStringList yesNoCancel{LangText(90001), LangText(90003), LangText(90004)};
        yesNoCancel.sort();
        EXPECT_EQ(shown, yesNoCancel) << language;
        EXPECT_NE(g_doc.image.Text(), edited) << language;
        EXPECT_FALSE(g_doc.IsModified());

        // A message (here: a file that cannot be opened) has the one OK button of the language.
        WhenBoxShows([&](QMessageBox* box) {
            shown = ButtonTexts(box);
            box->buttons().constFirst()->click();
        });
        SetNextFileDialogResult(env.Path(QStringLiteral("missing.dat")));
        frame->OnCommand(cmd::kFileOpen);
        EXPECT_EQ(shown, QStringList{LangText(90000)}) << language;
        MsgBox::SetNonInteractive(true);
    }
}
