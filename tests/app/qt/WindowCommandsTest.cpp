// Commands of the main window besides the file commands: Options, About, the language switch, the
// service keys, and the auxiliary editor windows that open at most once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/CommandIds.h"
#include "app/qt/CAboutDlg.h"
#include "app/qt/COptionsDlg.h"
#include "app/qt/LanguageSwitch.h"
#include "app/qt/ui/CChildFrame.h"
#include "app/qt/ui/FileDialogs.h"
#include "codeplug/Document.h"
#include "tests/app/qt/WindowTestEnv.h"

// Receives the URLs the program hands to the desktop (instead of starting a viewer).
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

TEST(OptionsDialog, LockTakesEffectAtOnceAndIsStored)
{
    WindowTestEnv env;
    env.Start();
    {
        COptionsDlg dialog;
        EXPECT_EQ(dialog.windowTitle(), LangText(7801));
        EXPECT_EQ(dialog.LockBox()->text(), LangText(7802));
        EXPECT_FALSE(dialog.LockBox()->isChecked());
        dialog.LockBox()->setChecked(true);
        dialog.CancelButton()->click();
        EXPECT_FALSE(g_bLockInterface);
        EXPECT_EQ(env.Setting("option", "lock_interface"), "");
    }
    {
        COptionsDlg dialog;
        dialog.LockBox()->setChecked(true);
        dialog.OkButton()->click();
        EXPECT_TRUE(g_bLockInterface);
        EXPECT_EQ(env.Setting("option", "lock_interface"), "yes");
    }
    {
        COptionsDlg dialog;
        EXPECT_TRUE(dialog.LockBox()->isChecked()); // starts from the current lock
        dialog.LockBox()->setChecked(false);
        dialog.OkButton()->click();
        EXPECT_FALSE(g_bLockInterface);
        EXPECT_EQ(env.Setting("option", "lock_interface"), "no");
    }
    // While locked the editor page ignores the mouse at once; unlocked, a click changes the code plug.
    CMainFrame* frame = env.Start();
    frame->show();
    QCheckBox* box = nullptr;
    for (QCheckBox* candidate : frame->EditorChild()->widget()->findChildren<QCheckBox*>()) {
        if (candidate->isEnabled() && candidate->isVisible()) {
            box = candidate;
            break;
        }
    }
    ASSERT_NE(box, nullptr);
    const bool state = box->isChecked();
    {
        COptionsDlg dialog;
        dialog.LockBox()->setChecked(true);
        dialog.OkButton()->click();
    }
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
    EXPECT_EQ(box->isChecked(), state);
    EXPECT_FALSE(g_doc.IsModified());
    {
        COptionsDlg dialog;
        dialog.LockBox()->setChecked(false);
        dialog.OkButton()->click();
    }
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
    EXPECT_NE(box->isChecked(), state);
    EXPECT_TRUE(g_doc.IsModified());

    // The stored lock is the one the next start-up uses.
    env.Settings("[option]\nlock_interface=yes\n");
    env.Start();
    EXPECT_TRUE(g_bLockInterface);
}

TEST(AboutBox, ShowsProductVersionDateAndModels)
{
    for (const char* language : {"100000", "200000"}) {
        WindowTestEnv env;
        env.Settings(QByteArray("[language]\nlanguage=") + language + "\n");
        env.Start();
        CAboutDlg about;
        EXPECT_EQ(about.windowTitle(), LangText(7201) + QStringLiteral(" VPXE+"));
        EXPECT_EQ(about.NameLine()->text(), LangText(7208) + QStringLiteral(" VPXE+ ") + LangText(7209));
        EXPECT_EQ(about.VersionLine()->text(), LangText(7204) + QStringLiteral(" 1.03"));
        EXPECT_EQ(about.DateLine()->text(), LangText(7205) + QStringLiteral(" 2011-04-20"));
        EXPECT_EQ(about.MakerLine()->text(), LangText(7206));
        EXPECT_EQ(about.ModelsLine()->text(), LangText(7210) + QStringLiteral(" MX6+"));
        EXPECT_EQ(about.OkButton()->text(), LangText(90000));
        EXPECT_FALSE(LangText(7204).isEmpty());
    }
}

TEST(LanguageSwitch, AsksSavesStoresAndRestarts)
{
    WindowTestEnv env;
    env.Touch(kMarkerLanguageMenu);
    CMainFrame* frame = env.Start();
    int launches = 0;
    QString program, dir;
    QStringList args;
    SetProgramLauncher([&](const QString& p, const QStringList& a, const QString& d) {
        ++launches;
        program = p;
        args = a;
        dir = d;
        return true;
    });

    // Cancel: nothing stored, nothing started, the window stays.
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    frame->OnCommand(cmd::kLangEnglish);
    EXPECT_EQ(MsgBox::ShownTexts().last(),
              QStringLiteral("Language has changed, you need to restart the software."));
    EXPECT_EQ(env.Setting("language", "language"), "100000"); // as the start-up found it (the locale's)
    EXPECT_EQ(launches, 0);
    EXPECT_EQ(g_pMainFrame, frame);

    // OK with unsaved work: the save question comes first, then the language is stored and the
    // program starts again from the application directory.
    ASSERT_TRUE(g_doc.image.WriteByte(0x10, 0x12));
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Ok);
    MsgBox::SetNextAnswer(QMessageBox::No);
    frame->OnCommand(cmd::kLangEnglish);
    ASSERT_EQ(MsgBox::ShownTexts().size(), 2);
    EXPECT_EQ(MsgBox::ShownTexts().at(1), LangText(90026) + QStringLiteral(" ") + LangText(2004));
    EXPECT_EQ(env.Setting("language", "language"), "200000");
    EXPECT_EQ(launches, 1);
    EXPECT_TRUE(program.endsWith(QStringLiteral("/vpxds")));
    EXPECT_EQ(args, (QStringList{QStringLiteral("--appdir"), QString::fromStdString(env.Dir())}));
    EXPECT_EQ(dir, QString::fromStdString(env.Dir()));
    EXPECT_FALSE(frame->isVisible());

    // And back to Chinese from an English start.
    CMainFrame* english = env.Start();
    ASSERT_EQ(g_nLanguage, kLangEnglish);
    MsgBox::SetNextAnswer(QMessageBox::Ok);
    english->OnCommand(cmd::kLangChinese);
    EXPECT_EQ(env.Setting("language", "language"), "100000");
    EXPECT_EQ(launches, 2);
    SetProgramLauncher(nullptr);
}

TEST(ServiceKeys, DoNothingWhileLocked)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    ASSERT_FALSE(g_bTestEnabled);
    const std::string image = g_doc.image.Text();
    const int windows = frame->MdiArea()->subWindowList().size();
    // (Test mode is not among them: for this model it opens the tuning window whatever the lock.)
    for (int id : {cmd::kBatchWriteTest, cmd::kTestFrequency}) {
        frame->Action(id)->trigger();
        EXPECT_TRUE(MsgBox::ShownTexts().isEmpty()) << id;
        EXPECT_EQ(frame->MdiArea()->subWindowList().size(), windows) << id;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(g_doc.image.Text(), image);
    EXPECT_FALSE(g_doc.IsModified());
}

TEST(EditorWindows, OpenAtMostOnce)
{
    WindowTestEnv env;
    env.Touch(kMarkerServiceUnlock);
    CMainFrame* frame = env.Start();
    frame->show();
    const int before = frame->MdiArea()->subWindowList().size();

    frame->OnCommand(cmd::kTestFrequency);
    QMdiSubWindow* testFreq = frame->TestFreqWindow();
    ASSERT_NE(testFreq, nullptr);
    EXPECT_EQ(frame->MdiArea()->subWindowList().size(), before + 1);
    frame->OnCommand(cmd::kEmbeddedMessage);
    QMdiSubWindow* message = frame->EmbedMsgWindow();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(frame->MdiArea()->activeSubWindow(), message);

    // A second choice activates the open window instead of opening another.
    frame->OnCommand(cmd::kTestFrequency);
    EXPECT_EQ(frame->TestFreqWindow(), testFreq);
    EXPECT_EQ(frame->MdiArea()->activeSubWindow(), testFreq);
    frame->OnCommand(cmd::kEmbeddedMessage);
    EXPECT_EQ(frame->EmbedMsgWindow(), message);
    EXPECT_EQ(frame->MdiArea()->subWindowList().size(), before + 2);

    // Once closed, the command opens a new window.
    testFreq->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame->TestFreqWindow(), nullptr);
    frame->OnCommand(cmd::kTestFrequency);
    EXPECT_NE(frame->TestFreqWindow(), nullptr);
    EXPECT_EQ(frame->MdiArea()->subWindowList().size(), before + 2);

    // The editor page's own window cannot be closed.
    frame->EditorChild()->close();
    EXPECT_TRUE(frame->MdiArea()->subWindowList().contains(frame->EditorChild()));
}

TEST(Accelerators, KeysReachTheirCommands)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    frame->show();
    frame->activateWindow();
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(g_doc.image.WriteByte(0x10, 0x12));
    const std::string edited = g_doc.image.Text();

    // Ctrl+N and Ctrl+O ask about the unsaved edit first (answered Cancel: nothing happens).
    for (Qt::Key key : {Qt::Key_N, Qt::Key_O}) {
        MsgBox::ClearAnswers();
        MsgBox::SetNextAnswer(QMessageBox::Cancel);
        QTest::keyClick(frame, key, Qt::ControlModifier);
        ASSERT_EQ(MsgBox::ShownTexts().size(), 1) << key;
        EXPECT_EQ(MsgBox::ShownTexts().first(), LangText(90026) + QStringLiteral(" ") + LangText(2004));
        EXPECT_EQ(g_doc.image.Text(), edited);
    }
    // Ctrl+S and Ctrl+A save through the file dialog.
    SetNextFileDialogResult(env.Path(QStringLiteral("keys.dat")));
    QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(QString::fromStdString(g_doc.path), env.Path(QStringLiteral("keys.dat")));
    SetNextFileDialogResult(env.Path(QStringLiteral("keys2.dat")));
    QTest::keyClick(frame, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(QString::fromStdString(g_doc.path), env.Path(QStringLiteral("keys2.dat")));

    // Ctrl+T with the service functions locked does nothing, without a message.
    MsgBox::ClearAnswers();
    QTest::keyClick(frame, Qt::Key_T, Qt::ControlModifier);
    QTest::keyClick(frame, Qt::Key_F1);
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(g_doc.IsModified());
}

TEST(Accelerators, WriteKeyReachesItsCommandFromAnEditorWindow)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    frame->show();
    QApplication::setActiveWindow(frame);
    frame->OnCommand(cmd::kEmbeddedMessage);
    QMdiSubWindow* editor = frame->EmbedMsgWindow();
    ASSERT_NE(editor, nullptr);
    QCoreApplication::processEvents();
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !editor->isAncestorOf(focus))
        focus = editor->widget();

    // Ctrl+W while the embedded-message window is active opens the write window (closed again here);
    // the editor window stays open.
    QString opened;
    auto* poll = new QTimer(qApp);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, poll, [&opened, poll] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            poll->stop();
            poll->deleteLater();
            modal->close();
        }
    });
    poll->start();
    QTest::keyClick(focus, Qt::Key_W, Qt::ControlModifier);
    if (opened.isEmpty())
        poll->deleteLater();
    EXPECT_EQ(opened, QStringLiteral("WriteDialog"));
    EXPECT_EQ(frame->EmbedMsgWindow(), editor);
}

TEST(HelpKey, OpensTheHelpFileOnlyWhenItExists)
{
    WindowTestEnv env;
    env.Settings("[language]\nlanguage=100000\n");
    CMainFrame* frame = env.Start();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    frame->OnCommand(cmd::kHelpTopics);
    EXPECT_TRUE(catcher.urls.isEmpty()); // without one, the user manual in the program's own window

    env.Put(QStringLiteral("vpxds_c.chm"), "help");
    frame->Action(cmd::kHelpTopics)->trigger();
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls.first().toLocalFile(), env.Path(QStringLiteral("vpxds_c.chm")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

#include "WindowCommandsTest.moc"
