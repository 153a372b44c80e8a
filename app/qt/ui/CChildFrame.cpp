// Child window of the document area holding one page.
#include "app/qt/ui/CChildFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>
#include <QScrollArea>

CChildFrame::CChildFrame(QWidget* page, bool closable, QWidget* parent)
    : QMdiSubWindow(parent), m_page(page), m_closable(closable)
{
    if (closable) {
        setWidget(page);
        setAttribute(Qt::WA_DeleteOnClose);
        // An editor window keeps the size its page chose: no maximise button, no resize grip use.
        setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    } else {
        // The editor page fills the document area; when the main window is smaller than the page
        // (the channel table keeps readable rows), the page scrolls instead of being cut off.
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(page);
        setWidget(scroll);
        setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }
    setWindowIcon(page->windowIcon());

    // The toolkit gives a child window's Close item the desktop's close keys, Ctrl+W among them here,
    // which is the program's Write key: the child keeps its other keys and Ctrl+W reaches Write.
    if (QMenu* menu = systemMenu()) {
        const QKeySequence writeKey(Qt::CTRL | Qt::Key_W);
        for (QAction* action : menu->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            if (keys.removeAll(writeKey) > 0)
                action->setShortcuts(keys);
        }
    }
    connect(this, &QMdiSubWindow::windowStateChanged, this, &CChildFrame::OnStateChanged);
    connect(qApp, &QApplication::focusChanged, this, &CChildFrame::OnFocusChanged);
}

void CChildFrame::OnFocusChanged(QWidget* /*old*/, QWidget* now)
{
    if (now != nullptr && m_page->isAncestorOf(now))
        m_lastFocus = now;
}

void CChildFrame::OnStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState)
{
    if (!oldState.testFlag(Qt::WindowActive) && newState.testFlag(Qt::WindowActive))
        FocusPage();
}

void CChildFrame::FocusPage()
{
    auto takes = [this](QWidget* w) {
        return w != nullptr && m_page->isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(m_page) &&
               (w->focusPolicy() & Qt::TabFocus) != 0;
    };
    // Back to the control the user left; else wherever the focus already is in the page; else the
    // page's first control.
    QWidget* target = m_lastFocus;
    QWidget* focus = QApplication::focusWidget();
    if (!takes(target) && focus != nullptr && m_page->isAncestorOf(focus))
        return;
    if (!takes(target)) {
        target = nullptr;
        for (QWidget* w = m_page->nextInFocusChain(); w != m_page && w != nullptr;
             w = w->nextInFocusChain()) {
            if (takes(w)) {
                target = w;
                break;
            }
        }
    }
    if (target != nullptr)
        target->setFocus(Qt::ActiveWindowFocusReason);
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closable) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

QMdiSubWindow* PageWindow(QWidget* page)
{
    for (QWidget* w = page->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
            return sub;
    }
    return nullptr;
}

void ClosePageWindow(QWidget* page)
{
    if (QMdiSubWindow* sub = PageWindow(page))
        sub->close();
    else
        page->close();
}
