// The main window as a keyboard user meets it: its accelerators hold while a text field has the
// focus, every auxiliary window takes the focus when it opens or comes to the front, the windows open
// where they belong and the main window's 790 x 572 is its outer size.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <iostream>

#include "app/CommandIds.h"
#include "app/Startup.h"
#include "app/qt/ui/FileDialogs.h"
#include "codeplug/Document.h"
#include "editor/qt/CEmbedMsgFrm.h"
#include "editor/qt/CMainFrm.h"
#include "editor/qt/CSpinEdit.h"
#include "tests/app/qt/WindowTestEnv.h"

namespace {

// Starts the main window shown and active, as the user sees it.
CMainFrame* StartActive(WindowTestEnv& env)
{
    CMainFrame* frame = env.Start();
    frame->show();
    frame->activateWindow();
    QApplication::setActiveWindow(frame);
    EXPECT_TRUE(QTest::qWaitForWindowActive(frame));
    return frame;
}

bool FocusInside(const QMdiSubWindow* child)
{
    QWidget* focus = QApplication::focusWidget();
    return child != nullptr && focus != nullptr && child->isAncestorOf(focus);
}

} // namespace

TEST(Accelerators, SaveAsKeyWorksWhileATextFieldHasTheFocus)
{
    WindowTestEnv env;
    CMainFrame* frame = StartActive(env);
    ASSERT_TRUE(g_doc.image.WriteByte(0x10, 0x12));

    // In the embedded-message editor's line, Ctrl+A is Save As, not "select all".
    frame->OnCommand(cmd::kEmbeddedMessage);
    auto* message = qobject_cast<CEmbedMsgFrm*>(frame->EmbedMsgWindow()->widget());
    ASSERT_NE(message, nullptr);
    message->Line1Edit()->setFocus();
    QTest::keyClicks(message->Line1Edit(), QStringLiteral("HELLO"));
    SetNextFileDialogResult(env.Path(QStringLiteral("from-line.dat")));
    QTest::keyClick(message->Line1Edit(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(QString::fromStdString(g_doc.path), env.Path(QStringLiteral("from-line.dat")));
    EXPECT_EQ(env.Get(QStringLiteral("from-line.dat")), QByteArray::fromStdString(g_doc.image.Text()));
    EXPECT_EQ(message->Line1Edit()->text(), QStringLiteral("HELLO")); // the field kept its text
    frame->EmbedMsgWindow()->close();

    // The same in a number field of the editor page.
    CSpinEdit* pause = g_pMainView->PauseTime();
    pause->Edit()->setFocus();
    ASSERT_TRUE(pause->Edit()->hasFocus());
    SetNextFileDialogResult(env.Path(QStringLiteral("from-page.dat")));
    QTest::keyClick(pause->Edit(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(QString::fromStdString(g_doc.path), env.Path(QStringLiteral("from-page.dat")));

    // The keys that edit the field's own text stay with it: Ctrl+Z undoes the typing there, even
    // while the code plug's undo (the same key) has an edit to take back.
    {
        EditStep step;
        ASSERT_TRUE(g_doc.image.WriteByte(0x10, 0x34));
    }
    frame->RefreshTitle();
    ASSERT_TRUE(frame->Action(cmd::kEditUndo)->isEnabled());
    QLineEdit* edit = pause->Edit();
    edit->setText(QStringLiteral("7"));
    QTest::keyClicks(edit, QStringLiteral("8"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
    EXPECT_EQ(g_doc.image.ReadByte(0x10), 0x34);
}

TEST(EditorWindows, TakeTheFocusWhenTheyOpenAndWhenTheyAreActivated)
{
    WindowTestEnv env;
    env.Touch(kMarkerServiceUnlock); // the test-frequency editor needs the service functions
    CMainFrame* frame = StartActive(env);

    frame->OnCommand(cmd::kEmbeddedMessage);
    QMdiSubWindow* message = frame->EmbedMsgWindow();
    EXPECT_TRUE(FocusInside(message));
    // The user moves to the second line, then to the editor page.
    auto* page = qobject_cast<CEmbedMsgFrm*>(message->widget());
    page->Line2Edit()->setFocus();
    frame->MdiArea()->setActiveSubWindow(frame->EditorChild());
    EXPECT_FALSE(FocusInside(message));
    // Choosing the command again brings the window back with the focus where the user left it.
    frame->OnCommand(cmd::kEmbeddedMessage);
    EXPECT_EQ(frame->EmbedMsgWindow(), message);
    EXPECT_EQ(QApplication::focusWidget(), page->Line2Edit());

    frame->OnCommand(cmd::kTestFrequency);
    EXPECT_TRUE(FocusInside(frame->TestFreqWindow()));
    frame->OnCommand(cmd::kComPort);
    EXPECT_TRUE(FocusInside(frame->ComPortWindow()));
    // A click on another window's title bar activates it: its page gets the keys.
    frame->MdiArea()->setActiveSubWindow(frame->TestFreqWindow());
    EXPECT_TRUE(FocusInside(frame->TestFreqWindow()));
}

TEST(EditorWindows, OpenWhereTheyBelong)
{
    WindowTestEnv env;
    env.Touch(kMarkerServiceUnlock);
    CMainFrame* frame = StartActive(env);

    // The test-frequency editor: 200 pixels right of and 50 below its default place, the area's
    // corner (the main window is tall enough for it there).
    frame->resize(frame->width(), frame->height() + 200);
    QApplication::processEvents();
    frame->OnCommand(cmd::kTestFrequency);
    EXPECT_EQ(frame->TestFreqWindow()->pos(), QPoint(200, 50));
    frame->TestFreqWindow()->close();

    // The port page: the corner of its page 200 right of and 50 below the area's corner.
    frame->OnCommand(cmd::kComPort);
    QMdiSubWindow* port = frame->ComPortWindow();
    EXPECT_EQ(port->mapTo(frame->MdiArea()->viewport(), port->widget()->pos()), QPoint(200, 50));
    port->close();

    // In a window too low for it the test-frequency editor moves up only as far as it must, and
    // is never cut off.
    frame->resize(frame->width(), 520);
    QApplication::processEvents();
    frame->OnCommand(cmd::kTestFrequency);
    QMdiSubWindow* testFreq = frame->TestFreqWindow();
    const QRect area = frame->MdiArea()->viewport()->rect();
    EXPECT_EQ(testFreq->x(), 200);
    if (testFreq->height() <= area.height()) {
        EXPECT_TRUE(area.contains(testFreq->geometry()));
        EXPECT_EQ(testFreq->y(), std::min(50, area.height() - testFreq->height()));
    }
}

TEST(WindowStartup, MainWindowOuterSizeIsItsFrame)
{
    WindowTestEnv env;
    CMainFrame* frame = StartActive(env);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    QApplication::processEvents();
    const QRect outer = frame->frameGeometry();
    EXPECT_EQ(outer.size(), QSize(790, 572));
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const WindowPlacement place = ComputeMainWindowPlacement(screen.width(), screen.height());
    EXPECT_EQ(outer.topLeft(), QPoint(place.left, place.top));
    if (frame->geometry() == outer)
        std::cout << "note: this window system draws no frame around the window\n";
}
