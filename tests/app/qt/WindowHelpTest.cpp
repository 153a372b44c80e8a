// F1 and Help > Contents open the user manual in the interface language at the page of the window in
// front: the editor page, a child window of the main window, a modal dialog; a data file named on the
// command line opens as File > Open would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMdiArea>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "app/CommandIds.h"
#include "app/qt/CHelpViewer.h"
#include "app/qt/DocumentCommands.h"
#include "codeplug/Document.h"
#include "tests/app/qt/WindowTestEnv.h"
#include "tests/support/SamplePlug.h"

namespace {

// The page (file name and section) the manual's window shows.
QString Shown()
{
    CHelpViewer* viewer = CurrentHelpViewer();
    if (viewer == nullptr || !viewer->isVisible())
        return QString();
    const QUrl url = viewer->Browser()->source();
    return QDir(QStringLiteral(VPX_BIN_DIR "/manual")).relativeFilePath(url.toLocalFile()) +
           (url.hasFragment() ? QStringLiteral("#") + url.fragment() : QString());
}

// Presses F1 in the modal dialog that `command` opens, notes the page shown, then closes the dialog.
QString ShownForDialogOf(CMainFrame* frame, int command, QString* dialogClass = nullptr)
{
    QString page;
    QTimer::singleShot(0, frame, [&page, dialogClass] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr)
            return;
        QWidget* target = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
        QTest::keyClick(target, Qt::Key_F1);
        page = Shown();
        if (dialogClass != nullptr)
            *dialogClass = QString::fromLatin1(dialog->metaObject()->className());
        // The manual's window belongs to the dialog, so that the dialog does not block it.
        if (CurrentHelpViewer() != nullptr && CurrentHelpViewer()->parentWidget() != dialog)
            page += QStringLiteral(" (not the dialog's)");
        dialog->close();
    });
    frame->OnCommand(command);
    return page;
}

} // namespace

TEST(HelpKey, OpensTheManualAtThePageOfTheWindowInFront)
{
    ASSERT_TRUE(QFileInfo::exists(QStringLiteral(VPX_BIN_DIR "/manual/en/index.html")))
        << "the manual is built";
    for (const auto& [language, folder] : {std::pair<const char*, QString>{"200000", QStringLiteral("en")},
                                           {"100000", QStringLiteral("zh_CN")}}) {
        WindowTestEnv env;
        env.Settings(QByteArray("[language]\nlanguage=") + language + "\n");
        CMainFrame* frame = env.Start();
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));

        // F1 in the editor page: the editor's page.
        QTest::keyClick(frame->EditorChild()->widget(), Qt::Key_F1);
        EXPECT_EQ(Shown(), folder + QStringLiteral("/editor.html")) << language;
        EXPECT_EQ(CurrentHelpViewer()->windowTitle().left(LangText(9660).size()), LangText(9660));

        // Help > Contents: the contents page, from the menu.
        ASSERT_TRUE(frame->MenuHasCommand(cmd::kHelpContents));
        EXPECT_EQ(frame->Action(cmd::kHelpContents)->text(), LangText(9666));
        frame->Action(cmd::kHelpContents)->trigger();
        EXPECT_EQ(Shown(), folder + QStringLiteral("/index.html"));
        // Back returns to the page before.
        CurrentHelpViewer()->Browser()->backward();
        EXPECT_EQ(Shown(), folder + QStringLiteral("/editor.html"));

        // The port page in its child window: its section of getting started.
        frame->OnCommand(cmd::kComPort);
        frame->Action(cmd::kHelpTopics)->trigger();
        EXPECT_EQ(Shown(), folder + QStringLiteral("/getting-started.html#port"));
        // A message box has no page of its own: the window it belongs to decides.
        {
            QMessageBox box(frame);
            ShowHelp(&box);
            EXPECT_EQ(Shown(), folder + QStringLiteral("/getting-started.html#port"));
        }

        // A modal dialog: F1 inside it reaches the manual, at the dialog's own section.
        QString dialogClass;
        EXPECT_EQ(ShownForDialogOf(frame, cmd::kOptions, &dialogClass),
                  folder + QStringLiteral("/settings.html#options"));
        EXPECT_EQ(dialogClass, QStringLiteral("COptionsDlg"));
        EXPECT_EQ(ShownForDialogOf(frame, cmd::kReadData), folder + QStringLiteral("/radio.html#read"));
        EXPECT_EQ(ShownForDialogOf(frame, cmd::kRadioInformation),
                  folder + QStringLiteral("/radio.html#radio-information"));
        frame->SetCloseConfirmed(true);
    }
}

TEST(CommandLineFile, OpensAsFileOpenWouldWithItsQuestionAndItsRefusal)
{
    WindowTestEnv env;
    env.Settings("[language]\nlanguage=200000\n");
    CMainFrame* frame = env.Start();
    CodePlug plan = g_doc.image;
    StoreSampleChannels(plan, {{438.5, 430.9, "88.5", "88.5"}});
    env.Put(QStringLiteral("plan.dat"), QByteArray::fromStdString(plan.Text()));
    env.Put(QStringLiteral("bad.dat"), "not a code plug");

    // A file that is no code plug: refused with its message, the code plug in memory as it was.
    const std::string before = g_doc.image.Text();
    MsgBox::ShownTexts().clear();
    EXPECT_FALSE(FileOpenPath(frame, env.Path(QStringLiteral("bad.dat"))));
    EXPECT_EQ(g_doc.image.Text(), before);
    EXPECT_FALSE(MsgBox::ShownTexts().isEmpty());

    EXPECT_TRUE(FileOpenPath(frame, env.Path(QStringLiteral("plan.dat"))));
    EXPECT_EQ(g_doc.image.Text(), plan.Text());
    EXPECT_EQ(QString::fromStdString(g_doc.path),
              QFileInfo(env.Path(QStringLiteral("plan.dat"))).absoluteFilePath());

    // Unsaved changes: the question comes first, and Cancel keeps them.
    g_doc.image.SetText(before);
    ASSERT_TRUE(g_doc.IsModified());
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(FileOpenPath(frame, env.Path(QStringLiteral("plan.dat"))));
    EXPECT_EQ(g_doc.image.Text(), before);
    frame->SetCloseConfirmed(true);
}
